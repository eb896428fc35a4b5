#pragma once

class QTextStream;

// The training extras' figures: how precisely the gap after each number
// begins, and how long a long history takes to open.
void runExtrasBench(bool quick, QTextStream &out);
