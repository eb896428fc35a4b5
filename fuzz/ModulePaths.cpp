// The ranking files' code asks Module1 where the program directory is; the
// rest of Module1 is about windows. The fuzzers never touch a disk, so this
// stands in for it and keeps them on Qt Core alone.
#include "Module1.h"

namespace Module1 {

QString DataPath(const QString &relative)
{
    return relative;
}

} // namespace Module1
