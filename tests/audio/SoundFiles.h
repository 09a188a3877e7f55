#pragma once
// Tiny sound files made by the tests themselves.

#include <cstdint>
#include <string>

// A 16-bit mono 44.1 kHz sine tone at 440 Hz.
void WriteToneWav(const std::string& path, double seconds, double amplitude);

// A Standard MIDI File with one organ note of half a second.
void WriteOneNoteMidi(const std::string& path);

// Square root of the summed squares of a raw file of native 16-bit samples:
// the level of everything it holds, whatever silence surrounds it.
double FileLevel(const std::string& path);
