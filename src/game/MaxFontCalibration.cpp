#include "MaxFontCalibration.h"

#include "FullScreenDisplay.h"
#include "Messages.h"

std::int16_t MaxFontCalibration::calibrate(double screenWidth)
{
    constexpr std::int16_t First = 10;
    constexpr std::int16_t Step = 10;

    Messages::show(QStringLiteral("計算中です。"), QStringLiteral("計算中"));
    std::int16_t size = First;
    FullScreenDisplay *display = FullScreenDisplay::instance();
    display->setFontSize(size);
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
        return display->textWidth(widest) <= screenWidth;
    };
    while (size + Step <= FullScreenDisplay::LargestFontSize && fits(size + Step))
        size = static_cast<std::int16_t>(size + Step);
    display->setFontSize(size);
    Messages::show(QStringLiteral("計算終了です。"), QStringLiteral("終了報告"));
    return size;
}
