#include "MaxFontCalibration.h"

#include "FullScreenDisplay.h"
#include "Messages.h"
#include "Placement.h"
#include "SharedState.h"


void MaxFontCalibration::calibrate()
{
    constexpr std::int16_t First = 10;
    constexpr std::int16_t Step = 10;

    Messages::show(QStringLiteral("計算中です。"), QStringLiteral("計算中"));
    SharedState &s = sharedState();
    s.MaxFontSize = First;
    FullScreenDisplay *display = FullScreenDisplay::instance();
    display->setFontSize(s.MaxFontSize);
    // Five of the widest digit: the widest number a round can flash.
    QString widest = QStringLiteral("0");
    for (char16_t d = u'1'; d <= u'9'; ++d)
        if (display->textWidth(QString(QChar(d))) > display->textWidth(widest))
            widest = QString(QChar(d));
    widest = widest.repeated(5);
    // The largest size in steps of ten at which five digits still fit the
    // screen's width, so that every number shows whole; the bound keeps an
    // absurd width from running on.
    const auto fits = [&](int points) {
        display->setFontSize(points);
        return display->textWidth(widest) <= Placement::screenWidth();
    };
    while (s.MaxFontSize + Step <= FullScreenDisplay::LargestFontSize && fits(s.MaxFontSize + Step))
        s.MaxFontSize = static_cast<std::int16_t>(s.MaxFontSize + Step);
    display->setFontSize(s.MaxFontSize);
    Messages::show(QStringLiteral("計算終了です。"), QStringLiteral("終了報告"));
}

