#pragma once

namespace Fonts {

// The screens name the Windows Japanese fonts ("MS P Gothic" ...); this maps
// them once, at start-up, to the Japanese fonts installed here.
void installSubstitutions();

} // namespace Fonts
