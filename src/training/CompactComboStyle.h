#pragma once

#include <QProxyStyle>

class QComboBox;

// The training screen's combo boxes are 41 pixels wide, narrower than the
// drop-down button and text field most styles draw: "1.0" would be cut.
// This style draws them as the application's style does, but with a
// narrower drop-down button, leaving the text field the rest.
class CompactComboStyle : public QProxyStyle
{
    Q_OBJECT
public:
    // The style goes on the boxes; `owner` keeps it alive and must outlive
    // them (the boxes' window does).
    static void apply(const QList<QComboBox *> &boxes, QObject *owner);

    static constexpr int ArrowWidth = 12; // logical pixels

    QRect subControlRect(ComplexControl control, const QStyleOptionComplex *option, SubControl subControl,
                         const QWidget *widget) const override;

private:
    explicit CompactComboStyle(QStyle *base);
};
