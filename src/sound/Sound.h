#pragma once

// The game's three sounds: a tick with every flashed number, a right and a
// wrong answer. Each is a wave file of the same name in SE/.
enum class Sound { Clock, Hit, Miss };
