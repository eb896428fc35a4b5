#pragma once

#include <QString>

class QWidget;

// The eight screens are single objects, created when first touched and gone
// when closed, as in the original design. The registry knows which of them
// are open, by number (Form1 = 1 ... Form8 = 8).
namespace FormRegistry {

constexpr int FormCount = 8;

void add(int number, QWidget *form);

// The open form with that number, or nullptr. A form whose close went
// through is no longer open, even before Qt has deleted it.
QWidget *open(int number);

// The open form with that object name ("Form1" ...), or nullptr.
QWidget *openByName(const QString &name);

} // namespace FormRegistry
