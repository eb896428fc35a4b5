#pragma once

namespace ProgramSetup {

// What the program sets up once before its first screen: the Japanese font
// substitutions and the commands of the shared menu bar.
void install();

} // namespace ProgramSetup
