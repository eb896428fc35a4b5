#include "FormRegistry.h"

#include <QPointer>
#include <QWidget>
#include <array>

namespace FormRegistry {
namespace {

std::array<QPointer<QWidget>, FormCount + 1> &forms()
{
    static std::array<QPointer<QWidget>, FormCount + 1> table;
    return table;
}

} // namespace

void add(int number, QWidget *form)
{
    Q_ASSERT(number >= 1 && number <= FormCount);
    // Closing a form with WA_DeleteOnClose clears the attribute and schedules
    // the deletion; that is how a closed form is told from an open one.
    form->setAttribute(Qt::WA_DeleteOnClose);
    forms()[number] = form;
}

QWidget *open(int number)
{
    if (number < 1 || number > FormCount)
        return nullptr;
    QWidget *form = forms()[number];
    if (form && form->testAttribute(Qt::WA_DeleteOnClose))
        return form;
    return nullptr;
}

QWidget *openByName(const QString &name)
{
    for (int i = 1; i <= FormCount; ++i)
        if (QWidget *form = open(i); form && form->objectName() == name)
            return form;
    return nullptr;
}

} // namespace FormRegistry
