#include "ScreenRegistry.h"

#include <QPointer>
#include <QWidget>
#include <array>

namespace ScreenRegistry {
namespace {

std::array<QPointer<QWidget>, ScreenCount + 1> &screens()
{
    static std::array<QPointer<QWidget>, ScreenCount + 1> table;
    return table;
}

} // namespace

void add(int number, QWidget *screen)
{
    Q_ASSERT(number >= 1 && number <= ScreenCount);
    // Closing a screen with WA_DeleteOnClose clears the attribute and
    // schedules the deletion; that is how a closed screen is told from an
    // open one.
    screen->setAttribute(Qt::WA_DeleteOnClose);
    screens()[number] = screen;
}

QWidget *open(int number)
{
    if (number < 1 || number > ScreenCount)
        return nullptr;
    QWidget *screen = screens()[number];
    if (screen && screen->testAttribute(Qt::WA_DeleteOnClose))
        return screen;
    return nullptr;
}

int numberOf(const QWidget *screen)
{
    if (!screen)
        return 0;
    for (int i = 1; i <= ScreenCount; ++i)
        if (screens()[i] == screen)
            return i;
    return 0;
}

void closeAll()
{
    for (int i = 1; i <= ScreenCount; ++i)
        if (QWidget *screen = open(i))
            screen->close();
}

} // namespace ScreenRegistry
