#pragma once

class QTextStream;

// Plays many rounds of both game screens at a 1 ms interval, answering as a
// player would, and prints the resident memory and the open file
// descriptors before and after, to show what the games leave behind.
void runSoak(int trainingRounds, int challengeLevels, QTextStream &out);
