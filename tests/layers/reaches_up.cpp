// Built against base/ alone: the game screens sit layers above it, so this
// include must not be found.
#include "GameScreen.h"
