#include "FlashDisplay.h"

#include "FullScreenDisplay.h"
#include "NumberFont.h"
#include "SharedState.h"

#include <QLabel>

namespace FlashDisplay {
namespace {

// The label's font as the screen made it, kept on the label the first time
// a number is flashed there; every number is fitted from it afresh.
void fitFont(QLabel *label, const QString &text)
{
    const char *const key = "designFont";
    if (!label->property(key).isValid())
        label->setProperty(key, label->font());
    const QFont design = label->property(key).value<QFont>();
    const QFont font = NumberFont::fitted(NumberFont::face(design), text, label->contentsRect().width());
    if (font != label->font())
        label->setFont(font);
}

} // namespace

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
        const QString text = QString::number(number);
        fitFont(label, text);
        label->setText(text);
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
