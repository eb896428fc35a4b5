#include "FlashDisplay.h"

#include "ColourRef.h"
#include "FullScreenDisplay.h"
#include "NumberFont.h"
#include "StoredSettings.h"

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

// The full-screen display in the settings' colours, cleared.
FullScreenDisplay *fullScreenDisplay(const StoredSettings &settings)
{
    FullScreenDisplay *display = FullScreenDisplay::instance();
    display->setColours(ColourRef::toQColor(settings.foreColour), ColourRef::toQColor(settings.backColour));
    display->clearDrawing();
    return display;
}

} // namespace

void flash(QLabel *label, std::int32_t number, const StoredSettings &settings)
{
    if (settings.fullScreenDisplay) {
        FullScreenDisplay *display = fullScreenDisplay(settings);
        display->show();
        display->drawCentred(QString::number(number), settings.maxFontSize);
    } else {
        const QString text = QString::number(number);
        fitFont(label, text);
        label->setText(text);
        // Painted now rather than at the next pass of the event loop, so the
        // number appears on its tick.
        label->repaint();
    }
}

void blank(QLabel *label, const StoredSettings &settings)
{
    if (settings.fullScreenDisplay) {
        fullScreenDisplay(settings)->drawCentred(QString(), settings.maxFontSize);
    } else {
        label->clear();
        label->repaint();
    }
}

void closeFullScreenDisplay()
{
    if (FullScreenDisplay *display = FullScreenDisplay::existing())
        display->close();
}

} // namespace FlashDisplay
