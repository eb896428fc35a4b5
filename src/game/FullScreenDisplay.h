#pragma once

#include "SingleScreen.h"

#include <QWidget>

class QScreen;

// The full-screen number display: a frameless window over the whole screen
// the game is on, with the flashed number drawn large in its middle.
class FullScreenDisplay : public QWidget, public SingleScreen<FullScreenDisplay>
{
    Q_OBJECT
public:
    static constexpr int ScreenNumber = ScreenRegistry::FullScreen;
    static constexpr int DesignFontSize = 72;
    // Far above what the widest screens need (an 8K screen about 1900 pt),
    // and far below the sizes (past 10000 pt) where font metrics overflow.
    static constexpr int LargestFontSize = 5000;

    FullScreenDisplay();
    void load();

    // Clears everything drawn on the window.
    void clearDrawing();
    // Draws MaxDisplayText centred on the screen in MaxFontSize points.
    void drawCentred(); // "catch" itself is a C++ keyword

    void setFontSize(int points); // kept within 1 .. LargestFontSize
    int fontSize() const;
    double textWidth(const QString &text) const; // twips
    QString drawnText() const { return m_text; }
    QPointF drawnAt() const { return m_at; } // twips

    void setVisible(bool visible) override;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void coverGameScreen();
    static QScreen *gameScreen();

    QString m_text;
    QPointF m_at;
};
