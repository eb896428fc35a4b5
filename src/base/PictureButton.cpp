#include "PictureButton.h"

#include "Artwork.h"

#include <QKeyEvent>

PictureButton::PictureButton(const QString &objectName, const QString &caption, const QString &picture, QWidget *parent)
    : QToolButton(parent)
{
    setObjectName(objectName);
    setText(caption);
    setAccessibleName(caption);
    setFocusPolicy(Qt::StrongFocus);
    setAutoRaise(false);
    if (!picture.isEmpty()) {
        const QIcon icon = Artwork::icon(picture);
        setIcon(icon);
        if (!icon.availableSizes().isEmpty())
            setIconSize(icon.availableSizes().constFirst());
        setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    } else {
        setToolButtonStyle(Qt::ToolButtonTextOnly);
    }
}

void PictureButton::keyPressEvent(QKeyEvent *event)
{
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && event->modifiers() == Qt::NoModifier) {
        if (isEnabled())
            click();
        event->accept();
        return;
    }
    QToolButton::keyPressEvent(event);
}
