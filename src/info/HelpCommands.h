#pragma once

#include <QString>
#include <functional>

// The ヘルプ menu's commands, and the opening of documents and addresses in
// the programs the desktop has for them.
namespace Help {

void showAbout();
void openReadMe();

// A file of the program directory ("READ ME.txt"), a web address or a
// "mailto:" address.
void shellOpen(const QString &target);
using ShellHook = std::function<void(const QString &target)>;
void setShellHook(ShellHook hook); // for tests; empty: the desktop opens it

} // namespace Help
