#pragma once

#include <QTextStream>

// How late a flash's click reaches the audio output after its number is
// shown: real training rounds with the real sound player, played into a
// PulseAudio null sink of a private server and recorded from its monitor.
// Skipped, with a note, when pulseaudio and parec are not installed.
void printClickLatency(QTextStream &out, int flashes);
