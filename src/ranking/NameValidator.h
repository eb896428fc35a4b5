#pragma once

#include <QValidator>

// Keeps the name field within what NameLimit allows, whether the text comes
// from the keyboard, the clipboard or an input method.
class NameValidator : public QValidator
{
    Q_OBJECT
public:
    explicit NameValidator(QObject *parent = nullptr);

    State validate(QString &input, int &pos) const override;
};
