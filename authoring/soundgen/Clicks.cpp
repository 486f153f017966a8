// Synthesis of the click sounds. A fast attack keeps the onset from popping, the
// exponential decay makes them sound struck rather than switched, and the closing
// fade guarantees the last sample is silence, so a cut-off never clicks.
#include "authoring/soundgen/Clicks.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <stdexcept>

namespace zuno::authoring {

const std::vector<ClickDesign>& AllClicks() {
    static const std::vector<ClickDesign> clicks = {
        // A light, high tick: quiet and very short, since it sounds with every
        // choice and also when the page resets its options.
        {"optionalclick.wav", "answer option chosen", 45, 0.35, 8,
         {{0, 2200, 1950, 1.00, 0.8, 6.0},
          {0, 3400, 3100, 0.30, 0.6, 3.5},
          {0, 1100, 1000, 0.25, 1.0, 9.0}}},
        // A rounder, lower press with a soft body underneath.
        {"buttonclick.wav", "button pressed", 80, 0.45, 12,
         {{0, 560, 440, 1.00, 1.5, 14.0},
          {0, 1120, 900, 0.30, 1.0, 8.0},
          {0, 190, 160, 0.45, 2.5, 16.0}}},
        // Two bell-like notes a fifth apart (C6 then G6), the second entering
        // while the first still rings.
        {"menuclick.wav", "catalogue entry opened", 140, 0.40, 20,
         {{0, 1046.5, 1046.5, 1.00, 2.5, 42.0},
          {0, 2093.0, 2093.0, 0.18, 2.5, 20.0},
          {50, 1568.0, 1568.0, 0.90, 2.5, 42.0},
          {50, 3136.0, 3136.0, 0.15, 2.5, 20.0}}},
    };
    return clicks;
}

std::vector<int16_t> RenderClick(const ClickDesign& design) {
    const double rate = kClickSampleRate;
    const size_t count = static_cast<size_t>(std::lround(design.lengthMs * rate / 1000.0));
    if (count < 2 || design.peak <= 0 || design.peak >= 1) throw std::invalid_argument("bad click design " + design.fileName);

    std::vector<double> mix(count, 0.0);
    for (const Tone& tone : design.tones) {
        const size_t first = static_cast<size_t>(std::lround(tone.startMs * rate / 1000.0));
        if (first >= count) continue;
        const double spanMs = design.lengthMs - tone.startMs;
        double phase = 0;
        for (size_t n = first; n < count; ++n) {
            const double t = (static_cast<double>(n - first)) * 1000.0 / rate;  // ms since the tone began
            const double freq = tone.freqHz * std::pow(tone.glideToHz / tone.freqHz, t / spanMs);
            double envelope = std::exp(-t / tone.decayMs);
            if (t < tone.attackMs) envelope *= 0.5 - 0.5 * std::cos(std::numbers::pi * t / tone.attackMs);
            mix[n] += tone.amplitude * envelope * std::sin(phase);
            phase += 2 * std::numbers::pi * freq / rate;
        }
    }

    // Fade the tail so that the last sample is exactly silence.
    const size_t fade = std::min(count - 1, static_cast<size_t>(std::lround(design.fadeMs * rate / 1000.0)));
    for (size_t i = 0; i <= fade; ++i) {
        const double x = fade == 0 ? 1.0 : static_cast<double>(i) / static_cast<double>(fade);  // 0 at fade start, 1 at the end
        mix[count - 1 - fade + i] *= 0.5 + 0.5 * std::cos(std::numbers::pi * x);
    }

    double highest = 0;
    for (double v : mix) highest = std::max(highest, std::fabs(v));
    if (highest == 0) throw std::invalid_argument("silent click design " + design.fileName);
    const double scale = design.peak * 32767.0 / highest;

    std::vector<int16_t> samples(count);
    for (size_t n = 0; n < count; ++n) samples[n] = static_cast<int16_t>(std::lround(mix[n] * scale));
    return samples;
}

}  // namespace zuno::authoring
