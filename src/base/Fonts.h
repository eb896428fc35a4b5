#pragma once

namespace Fonts {

// The screens name the Windows Japanese fonts ("MS P Gothic" ...); this maps
// them once, at start-up, to the Japanese fonts installed here.
void installSubstitutions();

// Makes the proportional Japanese Gothic (by its Windows name, so through
// the substitutions) the program's default face, at the platform's size.
void useJapaneseDefault();

} // namespace Fonts
