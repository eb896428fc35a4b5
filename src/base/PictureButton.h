#pragma once

#include <QToolButton>

// A button that shows a small picture above its caption. Like the buttons
// it stands for, it also answers Enter when it has the focus.
class PictureButton : public QToolButton
{
    Q_OBJECT
public:
    PictureButton(const QString &objectName, const QString &caption, const QString &picture, QWidget *parent);

protected:
    void keyPressEvent(QKeyEvent *event) override;
};
