#pragma once

#include <cstdint>

class QLabel;
struct StoredSettings;

// Where a round's numbers appear: the screen's number label, or the
// full-screen display while that is switched on.
namespace FlashDisplay {

void flash(QLabel *label, std::int32_t number, const StoredSettings &settings);
void blank(QLabel *label, const StoredSettings &settings);
// The full-screen display goes away when the answer is asked for.
void closeFullScreenDisplay();

} // namespace FlashDisplay
