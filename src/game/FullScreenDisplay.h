#pragma once

#include "SingleScreen.h"

#include <QWidget>

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

    // The colour of the numbers and of the ground behind them.
    void setColours(const QColor &fore, const QColor &back);
    // Clears everything drawn on the window.
    void clearDrawing();
    // Draws the text centred on the screen in that many points (0: the
    // design size, the size before any calibration).
    void drawCentred(const QString &text, int fontSize);

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

    QString m_text;
    QPointF m_at;
};
