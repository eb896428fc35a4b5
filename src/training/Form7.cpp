#include "Form7.h"

#include "Artwork.h"
#include "Module1.h"
#include "Twips.h"

#include <QFontMetricsF>
#include <QGuiApplication>
#include <QPainter>
#include <QScreen>

#include <algorithm>

Form7::Form7()
    : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint | Qt::WindowDoesNotAcceptFocus)
{
    setObjectName(QStringLiteral("Form7"));
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
    setFont(f);
}

void Form7::load()
{
    coverGameScreen();
    Module1::ApplyColors(objectName());
}

QScreen *Form7::gameScreen()
{
    QWidget *active = Module1::ActiveForm();
    if (active && active->screen())
        return active->screen();
    return QGuiApplication::primaryScreen();
}

void Form7::coverGameScreen()
{
    QScreen *screen = gameScreen();
    if (!screen)
        return;
    // Full-screen state as well as the screen's geometry: window managers
    // keep their panels above a window that merely has the screen's size.
    setScreen(screen);
    setGeometry(screen->geometry());
    setWindowState(windowState() | Qt::WindowFullScreen);
}

void Form7::setVisible(bool visible)
{
    // A window kept hidden since a calibration may meet a game that has
    // moved to another screen, or colours chosen in the meantime.
    if (visible && !isVisible()) {
        coverGameScreen();
        Module1::ApplyColors(objectName());
    }
    QWidget::setVisible(visible);
}

void Form7::Cls()
{
    m_text.clear();
    update();
}

void Form7::setFontSize(int points)
{
    QFont f = font();
    f.setPointSize(std::clamp(points, 1, LargestFontSize));
    setFont(f);
}

int Form7::fontSize() const
{
    return font().pointSize();
}

double Form7::textWidth(const QString &text) const
{
    return QFontMetricsF(font()).horizontalAdvance(text) * Twips::PerPixel;
}

void Form7::catch_()
{
    const SharedState &s = Module1::State();
    // A size of 0 means "never calibrated": the design size stands in.
    setFontSize(s.MaxFontSize > 0 ? s.MaxFontSize : DesignFontSize);
    const QFontMetricsF fm(font());
    const double w = fm.horizontalAdvance(s.MaxDisplayText) * Twips::PerPixel / 2;
    const double h = fm.height() * Twips::PerPixel / 2;
    m_at = QPointF(Module1::ScreenWidth() / 2 - w, Module1::ScreenHeight() / 2 - h);
    m_text = s.MaxDisplayText;
    // Painted at once, so a number shows on its tick, not a pass later.
    if (isVisible())
        repaint();
    else
        update();
}

void Form7::paintEvent(QPaintEvent *)
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
