#include "tools/artgen/sound_synth.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

#include "game/sound.h"

namespace {

constexpr double kPiValue = 3.141592653589793;

// A small deterministic generator, so every build writes the same sounds.
class CNoise {
  public:
    explicit CNoise(std::uint64_t seed) : state_(seed) {}
    double Uniform() {
        state_ += 0x9E3779B97F4A7C15ull;
        std::uint64_t z = state_;
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        z ^= z >> 31;
        return static_cast<double>(z >> 11) / 9007199254740992.0;
    }
    double White() { return Uniform() * 2.0 - 1.0; }

  private:
    std::uint64_t state_;
};

// A state-variable filter, stable at any cutoff below half the sample rate.
class CFilter {
  public:
    struct Out {
        double low, band, high;
    };
    Out Step(double in, double cutoff, double q) {
        const double g = std::tan(kPiValue * std::min(cutoff, kSynthRate * 0.45) / kSynthRate);
        const double k = 1.0 / q;
        const double a1 = 1.0 / (1.0 + g * (g + k));
        const double a2 = g * a1;
        const double a3 = g * a2;
        const double v3 = in - ic2_;
        const double v1 = a1 * ic1_ + a2 * v3;
        const double v2 = ic2_ + a2 * ic1_ + a3 * v3;
        ic1_ = 2.0 * v1 - ic1_;
        ic2_ = 2.0 * v2 - ic2_;
        return {v2, v1, in - k * v1 - v2};
    }

  private:
    double ic1_ = 0.0;
    double ic2_ = 0.0;
};

double Decay(double t, double tau) {
    return std::exp(-t / tau);
}

double Attack(double t, double rise) {
    return t >= rise ? 1.0 : t / rise;
}

// Removes any slow drift, normalises the peak and lets the last moments fade
// to exact silence so that playback never ends on a step.
void Finish(std::vector<double>& s, double peak, double fadeSeconds) {
    CFilter dc;
    for (double& v : s) {
        v = dc.Step(v, 18.0, 0.7071).high;
    }
    const auto fade = static_cast<std::size_t>(fadeSeconds * kSynthRate);
    for (std::size_t i = 0; i < fade && i < s.size(); ++i) {
        const double x = static_cast<double>(i) / static_cast<double>(fade);
        s[s.size() - 1 - i] *= 0.5 - 0.5 * std::cos(kPiValue * x);
    }
    double top = 0.0;
    for (double v : s) {
        top = std::max(top, std::fabs(v));
    }
    if (top > 0.0) {
        for (double& v : s) {
            v *= peak / top;
        }
    }
    s.back() = 0.0;
}

}  // namespace

std::vector<double> SnapSound() {
    std::vector<double> s(kSnapCueSamples, 0.0);
    CNoise noise(0x5A1Bu);
    CFilter crisp;
    // Two clicks 11 ms apart, the second softer: the gem touches, then seats.
    const double clicks[2][2] = {{0.0, 1.0}, {0.011, 0.45}};
    // Resonances of a small hard body: frequency, decay time, level.
    const double modes[5][3] = {
        {1850.0, 0.014, 0.55}, {2950.0, 0.009, 0.35}, {4700.0, 0.005, 0.22},
        {740.0, 0.026, 0.30},  {210.0, 0.020, 0.28},
    };
    for (int n = 0; n < kSnapCueSamples; ++n) {
        const double t = static_cast<double>(n) / kSynthRate;
        double v = 0.0;
        double burst = 0.0;
        for (const auto& click : clicks) {
            const double u = t - click[0];
            if (u < 0.0) {
                continue;
            }
            burst += click[1] * Decay(u, 0.0011);
            for (const auto& m : modes) {
                v += click[1] * m[2] * Decay(u, m[1]) * std::sin(2.0 * kPiValue * m[0] * u);
            }
        }
        v += 0.9 * burst * crisp.Step(noise.White(), 3500.0, 0.8).high;
        s[n] = v;
    }
    Finish(s, 0.86, 0.03);
    return s;
}

std::vector<double> ExplosionSound() {
    std::vector<double> s(kExplodeCueSamples, 0.0);
    CNoise noise(0xB00Bu);
    CNoise debrisDice(0xDEB215u);
    CFilter crack, boom, body, rumble, rumble2, debrisTone;
    double brown = 0.0;
    double subPhase = 0.0;
    double debrisLevel = 0.0;
    double debrisDecay = 1.0;
    for (int n = 0; n < kExplodeCueSamples; ++n) {
        const double t = static_cast<double>(n) / kSynthRate;
        const double w = noise.White();

        // The crack: bright noise, over in a few tens of milliseconds.
        const double crackLevel = Attack(t, 0.0008) * Decay(t, 0.035);
        double v = 0.55 * crackLevel * crack.Step(w, 2600.0, 0.7).high;

        // The boom: noise through a low-pass that closes as the blast cools.
        const double cutoff = 110.0 + 1500.0 * Decay(t, 0.11);
        v += 1.1 * Attack(t, 0.006) * Decay(t, 0.36) * boom.Step(w, cutoff, 1.1).low;

        // A body of mid-range noise that gives the blast its width.
        v += 0.45 * Attack(t, 0.01) * Decay(t, 0.18) * body.Step(w, 520.0, 1.4).band;

        // The thump felt more than heard: a sine sweeping down.
        const double subFreq = 44.0 + 58.0 * Decay(t, 0.09);
        subPhase += 2.0 * kPiValue * subFreq / kSynthRate;
        v += 0.55 * Attack(t, 0.004) * Decay(t, 0.28) * std::sin(subPhase);

        // Rumble: slow, dark noise that swells a little after the blast.
        brown = 0.995 * brown + 0.06 * w;
        const double r = rumble2.Step(rumble.Step(brown, 240.0, 0.7071).low, 240.0, 0.7071).low;
        v += 1.3 * (1.0 - Decay(t, 0.06)) * Decay(t, 0.42) * r;

        // Debris: scattered crackles, thinning out as the pieces land.
        if (debrisDice.Uniform() < 0.0045 * Decay(t, 0.33)) {
            debrisLevel = (0.15 + 0.35 * debrisDice.Uniform()) * Decay(t, 0.45);
            debrisDecay = std::exp(-1.0 / (kSynthRate * (0.0015 + 0.003 * debrisDice.Uniform())));
        }
        v += debrisLevel * debrisTone.Step(w, 1800.0, 0.9).band * 2.2;
        debrisLevel *= debrisDecay;

        s[n] = v;
    }
    // Gentle saturation rounds the loudest moment off like a real blast.
    double top = 0.0;
    for (double v : s) {
        top = std::max(top, std::fabs(v));
    }
    for (double& v : s) {
        v = std::tanh(1.6 * v / top) / std::tanh(1.6);
    }
    Finish(s, 0.92, 0.12);
    return s;
}
