#pragma once

class QTextStream;

// The adaptive speed on simulated players: how close the staircase's pace
// estimate comes to the interval each player is right at the target share
// of the time, and after how many rounds.
void runStaircaseBench(QTextStream &out);
