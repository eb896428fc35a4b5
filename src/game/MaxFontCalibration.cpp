#include "MaxFontCalibration.h"

#include "FullScreenDisplay.h"
#include "Messages.h"
#include "Placement.h"
#include "SharedState.h"


void MaxFontCalibration::calibrate()
{
    constexpr std::int16_t First = 10;
    constexpr std::int16_t Step = 10;
    const QString widest = QStringLiteral("55555");

    Messages::show(QStringLiteral("計算中です。"), QStringLiteral("計算中"));
    SharedState &s = sharedState();
    s.MaxFontSize = First;
    FullScreenDisplay *display = FullScreenDisplay::instance();
    display->setFontSize(s.MaxFontSize);
    // The smallest size in steps of ten at which five digits fill the
    // screen's width; the bound keeps an absurd width from running on.
    while (display->textWidth(widest) < Placement::screenWidth() && s.MaxFontSize + Step <= FullScreenDisplay::LargestFontSize) {
        s.MaxFontSize = static_cast<std::int16_t>(s.MaxFontSize + Step);
        display->setFontSize(s.MaxFontSize);
    }
    Messages::show(QStringLiteral("計算終了です。"), QStringLiteral("終了報告"));
}

