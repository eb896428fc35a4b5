#include "OwnedMessageBox.h"

#include "Placement.h"

OwnedMessageBox::OwnedMessageBox(const QString &title, const QString &text, QWidget *owner)
    : QMessageBox(QMessageBox::NoIcon, title, text)
    , m_owner(owner)
{}

void OwnedMessageBox::showEvent(QShowEvent *event)
{
    // Placed first as a box without an owner, then tied to the owner just
    // before it appears: an owner known earlier would centre it over that
    // window instead of where message boxes have always opened.
    QMessageBox::showEvent(event);
    Placement::keepWith(this, m_owner);
}
