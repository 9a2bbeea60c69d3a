#pragma once
// Mono 8-bit PCM WAV files, the format the game's two sounds ship in.

#include <QByteArray>
#include <vector>

// Samples in [-1, 1] to unsigned 8-bit PCM around 128, rounded to nearest;
// values outside the range are clamped.
QByteArray EncodeWav8(const std::vector<double>& samples, int sampleRate);
