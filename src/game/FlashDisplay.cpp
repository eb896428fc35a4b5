#include "FlashDisplay.h"

#include "FullScreenDisplay.h"
#include "SharedState.h"

#include <QLabel>

namespace FlashDisplay {

void flash(QLabel *label, std::int32_t number)
{
    SharedState &s = sharedState();
    if (s.MaxDisplayOn) {
        s.MaxDisplayText = QString::number(number);
        FullScreenDisplay *display = FullScreenDisplay::instance();
        display->clearDrawing();
        display->show();
        display->drawCentred();
    } else {
        label->setText(QString::number(number));
        // Painted now rather than at the next pass of the event loop, so the
        // number appears on its tick.
        label->repaint();
    }
}

void blank(QLabel *label)
{
    SharedState &s = sharedState();
    if (s.MaxDisplayOn) {
        s.MaxDisplayText.clear();
        FullScreenDisplay *display = FullScreenDisplay::instance();
        display->clearDrawing();
        display->drawCentred();
    } else {
        label->clear();
        label->repaint();
    }
}

void closeMaxDisplay()
{
    if (FullScreenDisplay *display = FullScreenDisplay::existing())
        display->close();
}

} // namespace FlashDisplay
