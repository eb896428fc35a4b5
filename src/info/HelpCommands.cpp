// The help menu commands of Module1.
#include "Module1.h"

namespace Module1 {

void ShowAbout() {}
void OpenReadMe() {}
void ShellOpen(const QString &) {}
void SetShellHook(ShellHook) {}

} // namespace Module1
