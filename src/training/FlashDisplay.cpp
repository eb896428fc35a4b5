#include "FlashDisplay.h"

#include "Form7.h"
#include "Module1.h"

#include <QLabel>

namespace FlashDisplay {

void flash(QLabel *label, std::int32_t number)
{
    SharedState &s = Module1::State();
    if (s.MaxDisplayOn) {
        s.MaxDisplayText = QString::number(number);
        Form7 *display = Form7::instance();
        display->Cls();
        display->show();
        display->catch_();
    } else {
        label->setText(QString::number(number));
        // Painted now rather than at the next pass of the event loop, so the
        // number appears on its tick.
        label->repaint();
    }
}

void blank(QLabel *label)
{
    SharedState &s = Module1::State();
    if (s.MaxDisplayOn) {
        s.MaxDisplayText.clear();
        Form7 *display = Form7::instance();
        display->Cls();
        display->catch_();
    } else {
        label->clear();
        label->repaint();
    }
}

void closeMaxDisplay()
{
    if (Form7 *display = Form7::existing())
        display->close();
}

} // namespace FlashDisplay
