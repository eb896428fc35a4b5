#pragma once

class WavePlayerFactory;

namespace ProgramSetup {

// What the program sets up once before its first screen: the Japanese font
// substitutions, the commands of the shared menu bar, and for the run the
// sound plugin and the history, handed to each game screen as it is made.
// `soundSource` stands in for the sound plugin (tests); nullptr: the plugin
// beside the executable.
void install(WavePlayerFactory *soundSource = nullptr);

} // namespace ProgramSetup
