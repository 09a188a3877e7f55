#pragma once
// Tiny sound files made by the tests themselves.

#include <cstdint>
#include <string>
#include <vector>

// A 16-bit mono 44.1 kHz sine tone at 440 Hz.
void WriteToneWav(const std::string& path, double seconds, double amplitude);

// A Standard MIDI File at 120 beats a minute (480 ticks a beat) with one
// organ note of `noteTicks` from the start and its end-of-track mark at
// `endTicks`: by default a note of half a second that ends with the piece.
void WriteOneNoteMidi(const std::string& path, uint16_t noteTicks = 480, uint16_t endTicks = 480);

// Square root of the summed squares of a raw file of native 16-bit samples:
// the level of everything it holds, whatever silence surrounds it.
double FileLevel(const std::string& path);

// The loudest sample of each millisecond of a raw file of native 16-bit stereo
// samples at 44.1 kHz.
std::vector<int> PeakPerMillisecond(const std::string& path);
