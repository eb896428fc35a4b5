#include "NameValidator.h"

#include "NameLimit.h"

NameValidator::NameValidator(QObject *parent)
    : QValidator(parent)
{}

QValidator::State NameValidator::validate(QString &input, int &pos) const
{
    // The field takes the fitted text; a key pressed at the limit thereby
    // changes nothing.
    NameLimit::fit(input, pos);
    return Acceptable;
}
