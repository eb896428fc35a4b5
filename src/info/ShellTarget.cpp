#include "ShellTarget.h"

#include "ProgramPaths.h"

namespace ShellTarget {

QUrl url(const QString &target)
{
    // A scheme of one letter would be a Windows drive, not an address.
    const QUrl address(target, QUrl::StrictMode);
    if (address.isValid() && address.scheme().size() > 1)
        return address;
    return QUrl::fromLocalFile(ProgramPaths::programPath(target));
}

} // namespace ShellTarget
