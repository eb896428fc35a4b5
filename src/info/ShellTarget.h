#pragma once

#include <QString>
#include <QUrl>

// What the shell is asked to open for a target: a web or mail address as
// it is, anything else as a file relative to the program directory.
namespace ShellTarget {

QUrl url(const QString &target);

} // namespace ShellTarget
