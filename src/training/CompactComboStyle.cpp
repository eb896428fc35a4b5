#include "CompactComboStyle.h"

#include <QApplication>
#include <QComboBox>
#include <QStyleFactory>

CompactComboStyle::CompactComboStyle(QStyle *base)
    : QProxyStyle(base)
{}

void CompactComboStyle::apply(const QList<QComboBox *> &boxes, QObject *owner)
{
    // A fresh copy of the application's style: the application keeps its own.
    auto *style = new CompactComboStyle(QStyleFactory::create(QApplication::style()->name()));
    style->setParent(owner);
    // The program's Japanese face, whose figures and point are narrower than
    // those of the usual interface fonts.
    QFont font(QStringLiteral("MS PGothic"));
    font.setPointSize(9);
    for (QComboBox *box : boxes) {
        box->setStyle(style);
        box->setFont(font);
    }
}

QRect CompactComboStyle::subControlRect(ComplexControl control, const QStyleOptionComplex *option, SubControl subControl,
                                        const QWidget *widget) const
{
    if (control != CC_ComboBox || (subControl != SC_ComboBoxArrow && subControl != SC_ComboBoxEditField))
        return QProxyStyle::subControlRect(control, option, subControl, widget);
    const QRect whole = option->rect;
    const int frame = 2;
    QRect part;
    if (subControl == SC_ComboBoxArrow)
        part = QRect(whole.right() - ArrowWidth + 1, whole.top(), ArrowWidth, whole.height());
    else
        part = QRect(whole.left() + frame, whole.top() + frame, whole.width() - ArrowWidth - 2 * frame, whole.height() - 2 * frame);
    return visualRect(option->direction, whole, part);
}
