#pragma once

#include <QMessageBox>
#include <QPointer>

// A message box that belongs to a window of the game: it opens where a box
// of its own would, and has that window as transient parent, so that
// compositors that place windows themselves (Wayland) put it over the game.
class OwnedMessageBox : public QMessageBox
{
public:
    OwnedMessageBox(const QString &title, const QString &text, QWidget *owner);

protected:
    void showEvent(QShowEvent *event) override;

private:
    QPointer<QWidget> m_owner;
};
