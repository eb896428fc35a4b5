// CalibrateMaxFontSize of Module1: the font size of the full-screen display.
#include "Form7.h"
#include "Module1.h"

namespace Module1 {

void CalibrateMaxFontSize()
{
    constexpr std::int16_t First = 10;
    constexpr std::int16_t Step = 10;
    const QString widest = QStringLiteral("55555");

    MsgBox(QStringLiteral("計算中です。"), QStringLiteral("計算中"));
    SharedState &s = State();
    s.MaxFontSize = First;
    Form7 *display = Form7::instance();
    display->setFontSize(s.MaxFontSize);
    // The smallest size in steps of ten at which five digits fill the
    // screen's width; the bound keeps an absurd width from running on.
    while (display->textWidth(widest) < ScreenWidth() && s.MaxFontSize + Step <= Form7::LargestFontSize) {
        s.MaxFontSize = static_cast<std::int16_t>(s.MaxFontSize + Step);
        display->setFontSize(s.MaxFontSize);
    }
    MsgBox(QStringLiteral("計算終了です。"), QStringLiteral("終了報告"));
}

} // namespace Module1
