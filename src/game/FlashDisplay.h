#pragma once

#include <cstdint>

class QLabel;

// Where a round's numbers appear: the screen's number label, or the
// maximised number screen while that display is switched on.
namespace FlashDisplay {

void flash(QLabel *label, std::int32_t number);
void blank(QLabel *label);
// The maximised screen goes away when the answer is asked for.
void closeMaxDisplay();

} // namespace FlashDisplay
