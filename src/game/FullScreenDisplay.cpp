#include "FullScreenDisplay.h"

#include "Artwork.h"
#include "NumberFont.h"
#include "Placement.h"
#include "Twips.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QScreen>

#include <algorithm>

FullScreenDisplay::FullScreenDisplay()
    : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint | Qt::WindowDoesNotAcceptFocus)
{
    setObjectName(QStringLiteral("FullScreenDisplay"));
    setWindowTitle(QStringLiteral("Plumeno-最大画面-"));
    setWindowIcon(Artwork::programIcon());
    // The game screen underneath keeps the keyboard while numbers flash here.
    setAttribute(Qt::WA_ShowWithoutActivating);
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, Qt::black);
    pal.setColor(QPalette::WindowText, QColor(0, 255, 0));
    setPalette(pal);
    QFont f(QStringLiteral("MS P Gothic"));
    f.setPointSize(DesignFontSize);
    setFont(NumberFont::face(f));
}

void FullScreenDisplay::load()
{
    coverGameScreen();
}

void FullScreenDisplay::coverGameScreen()
{
    QScreen *screen = Placement::gameScreen();
    if (!screen)
        return;
    // Full-screen state as well as the screen's geometry: window managers
    // keep their panels above a window that merely has the screen's size.
    setScreen(screen);
    setGeometry(screen->geometry());
    setWindowState(windowState() | Qt::WindowFullScreen);
}

void FullScreenDisplay::setVisible(bool visible)
{
    // A window kept hidden since a calibration may meet a game that has
    // moved to another screen.
    if (visible && !isVisible())
        coverGameScreen();
    QWidget::setVisible(visible);
}

void FullScreenDisplay::setColours(const QColor &fore, const QColor &back)
{
    QPalette pal = palette();
    pal.setColor(QPalette::WindowText, fore);
    pal.setColor(QPalette::Window, back);
    if (pal != palette())
        setPalette(pal);
}

void FullScreenDisplay::clearDrawing()
{
    m_text.clear();
    update();
}

void FullScreenDisplay::setFontSize(int points)
{
    QFont f = font();
    f.setPointSize(std::clamp(points, 1, LargestFontSize));
    setFont(f);
}

int FullScreenDisplay::fontSize() const
{
    return font().pointSize();
}

double FullScreenDisplay::textWidth(const QString &text) const
{
    return QFontMetricsF(font()).horizontalAdvance(text) * Twips::PerPixel;
}

void FullScreenDisplay::drawCentred(const QString &text, int fontSize)
{
    setFontSize(fontSize > 0 ? fontSize : DesignFontSize);
    // A number longer than the calibration's five digits is made smaller
    // rather than cut off at both edges. The window covers the game's screen
    // from its loading on, shown or not, so its own size is the screen's.
    setFont(NumberFont::fitted(font(), text, width()));
    const QFontMetricsF fm(font());
    const double w = fm.horizontalAdvance(text) * Twips::PerPixel / 2;
    const double h = fm.height() * Twips::PerPixel / 2;
    m_at = QPointF(Twips::fromPx(width()) / 2 - w, Twips::fromPx(height()) / 2 - h);
    m_text = text;
    // Painted at once, so a number shows on its tick, not a pass later.
    if (isVisible())
        repaint();
    else
        update();
}

void FullScreenDisplay::paintEvent(QPaintEvent *)
{
    if (m_text.isEmpty())
        return;
    QPainter p(this);
    p.setFont(font());
    p.setPen(palette().color(QPalette::WindowText));
    const QFontMetricsF fm(font());
    const QPointF topLeft(m_at.x() / Twips::PerPixel, m_at.y() / Twips::PerPixel);
    p.drawText(topLeft + QPointF(0, fm.ascent()), m_text);
}
