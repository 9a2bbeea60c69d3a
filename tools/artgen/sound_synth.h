#pragma once
// The game's two sound effects, synthesized: samples in [-1, 1] at 22050 a
// second, of the exact lengths the game plays them for.

#include <vector>

inline constexpr int kSynthRate = 22050;

// A short, crisp snap: a gem clicking into the cluster. 6832 samples.
std::vector<double> SnapSound();

// An explosion: a crack, a deep boom with a falling pitch, rumble and
// scattering debris, decaying naturally to silence. 34975 samples.
std::vector<double> ExplosionSound();
