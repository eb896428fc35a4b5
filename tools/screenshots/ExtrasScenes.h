#pragma once

// The screenshot tool's scenes of the training extras, added to its script;
// trainingExtras() starts from the challenge screen, adaptiveSpeed() goes
// on from where it ends.
void trainingExtras();
void adaptiveSpeed();
