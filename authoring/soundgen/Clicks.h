// The three short sounds of the program: a soft tick when an answer is chosen, a
// deeper press for the buttons, a gentle two-tone chime when a catalogue entry
// opens. Each is a sum of decaying sine tones, so it can be tuned by numbers.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace zuno::authoring {

constexpr uint32_t kClickSampleRate = 44100;

// One sine tone inside a sound. Times are in milliseconds from the sound's start.
struct Tone {
    double startMs = 0;
    double freqHz = 0;
    double glideToHz = 0;  // frequency reached at the end of the sound (exponential glide)
    double amplitude = 0;  // relative to the other tones; the sum is scaled to the sound's peak
    double attackMs = 0;   // raised-cosine rise from silence
    double decayMs = 0;    // time constant of the exponential decay
};

struct ClickDesign {
    std::string fileName;  // as the program looks for it in its sound folder
    std::string purpose;
    double lengthMs = 0;
    double peak = 0;    // highest sample as a fraction of full scale
    double fadeMs = 0;  // raised-cosine fade to silence at the very end
    std::vector<Tone> tones;
};

// optionalclick.wav, buttonclick.wav, menuclick.wav, in this order.
const std::vector<ClickDesign>& AllClicks();

// Renders a design at kClickSampleRate. The result starts and ends at silence and
// its largest magnitude is design.peak of full scale (rounded to the sample grid).
std::vector<int16_t> RenderClick(const ClickDesign& design);

}  // namespace zuno::authoring
