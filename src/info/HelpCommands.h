#pragma once

#include <QString>

// The ヘルプ menu's commands, and the opening of documents and addresses in
// the programs the desktop has for them.
namespace Help {

void showAbout();
void openReadMe();

// A file of the program directory ("READ ME.txt"), a web address or a
// "mailto:" address. It goes through QDesktopServices::openUrl, so a
// handler set there for its scheme receives it instead of the desktop.
void shellOpen(const QString &target);

} // namespace Help
