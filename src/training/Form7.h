#pragma once

#include "SingleForm.h"

#include <QWidget>

// The full-screen number display: a frameless window over the whole screen
// with the flashed number drawn large in its middle.
class Form7 : public QWidget, public SingleForm<Form7>
{
    Q_OBJECT
public:
    static constexpr int FormNumber = 7;
    static constexpr int DesignFontSize = 72;

    Form7();
    void load();

    // Clears everything drawn on the window.
    void Cls();
    // Draws MaxDisplayText centred on the screen in MaxFontSize points.
    void catch_(); // "catch" itself is a C++ keyword

    void setFontSize(int points);
    int fontSize() const;
    double textWidth(const QString &text) const; // twips
    QString drawnText() const { return m_text; }
    QPointF drawnAt() const { return m_at; } // twips

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QString m_text;
    QPointF m_at;
};
