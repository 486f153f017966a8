// The three click sounds as written by the build: well-formed 16-bit PCM mono WAV
// files of the intended length, soft (well below full scale), starting and ending
// in silence, decaying, and audibly different from one another.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "authoring/soundgen/Clicks.h"
#include "authoring/soundgen/Wav.h"
#include "tests/help_sound/TestFiles.h"

namespace zuno::testing {
namespace {

struct Wav {
    std::string bytes;
    uint32_t sampleRate = 0;
    std::vector<int16_t> samples;
};

// Reads a file written by zuno-soundgen, checking every header field on the way.
Wav LoadWav(const std::string& name) {
    Wav w;
    w.bytes = ReadBytes(std::string(ZUNO_SOUND_DIR) + "/" + name);
    const std::string_view b = w.bytes;
    EXPECT_GE(b.size(), 44u) << name;
    if (b.size() < 44) return w;
    EXPECT_EQ(b.substr(0, 4), "RIFF") << name;
    EXPECT_EQ(Le32(b, 4), b.size() - 8) << name << ": RIFF size";
    EXPECT_EQ(b.substr(8, 4), "WAVE") << name;
    EXPECT_EQ(b.substr(12, 4), "fmt ") << name;
    EXPECT_EQ(Le32(b, 16), 16u) << name << ": fmt chunk size";
    EXPECT_EQ(Le16(b, 20), 1u) << name << ": PCM";
    EXPECT_EQ(Le16(b, 22), 1u) << name << ": mono";
    w.sampleRate = Le32(b, 24);
    EXPECT_TRUE(w.sampleRate == 22050 || w.sampleRate == 44100) << name << ": " << w.sampleRate << " Hz";
    EXPECT_EQ(Le32(b, 28), w.sampleRate * 2) << name << ": byte rate";
    EXPECT_EQ(Le16(b, 32), 2u) << name << ": block align";
    EXPECT_EQ(Le16(b, 34), 16u) << name << ": bits per sample";
    EXPECT_EQ(b.substr(36, 4), "data") << name;
    const uint32_t dataSize = Le32(b, 40);
    EXPECT_EQ(dataSize, b.size() - 44) << name << ": data size";
    EXPECT_EQ(dataSize % 2, 0u) << name;
    for (size_t at = 44; at + 1 < b.size(); at += 2) w.samples.push_back(static_cast<int16_t>(Le16(b, at)));
    return w;
}

const std::vector<std::string> kNames = {"optionalclick.wav", "buttonclick.wav", "menuclick.wav"};

double DurationMs(const Wav& w) { return 1000.0 * static_cast<double>(w.samples.size()) / w.sampleRate; }

int Peak(const std::vector<int16_t>& s, size_t from = 0, size_t to = SIZE_MAX) {
    int peak = 0;
    for (size_t i = from; i < std::min(to, s.size()); ++i) peak = std::max(peak, std::abs(static_cast<int>(s[i])));
    return peak;
}

double Rms(const std::vector<int16_t>& s, size_t from, size_t to) {
    double sum = 0;
    for (size_t i = from; i < to; ++i) sum += static_cast<double>(s[i]) * s[i];
    return std::sqrt(sum / static_cast<double>(to - from));
}

// Sign changes per second between two times: twice the frequency of the tone
// that dominates there.
double CrossingsPerSecond(const Wav& w, double fromMs, double toMs) {
    const size_t from = static_cast<size_t>(fromMs * w.sampleRate / 1000.0);
    const size_t to = std::min(w.samples.size(), static_cast<size_t>(toMs * w.sampleRate / 1000.0));
    int crossings = 0;
    for (size_t i = from + 1; i < to; ++i)
        if ((w.samples[i - 1] < 0) != (w.samples[i] < 0)) ++crossings;
    return crossings * 1000.0 / (toMs - fromMs);
}

TEST(ClickSounds, HeadersAreCanonicalPcm) {
    for (const std::string& name : kNames) {
        const Wav w = LoadWav(name);
        EXPECT_FALSE(w.samples.empty()) << name;
    }
}

TEST(ClickSounds, LengthsAreShort) {
    for (const std::string& name : kNames) {
        const Wav w = LoadWav(name);
        EXPECT_GE(DurationMs(w), 40.0) << name;
        EXPECT_LE(DurationMs(w), 150.0) << name;
    }
}

TEST(ClickSounds, SoftButAudibleAndNeverClipped) {
    for (const std::string& name : kNames) {
        const Wav w = LoadWav(name);
        const int peak = Peak(w.samples);
        EXPECT_LT(peak, 32767) << name;
        EXPECT_LE(peak, 32767 / 2) << name << ": louder than -6 dBFS";
        EXPECT_GE(peak, 32767 / 10) << name << ": quieter than -20 dBFS";
    }
}

TEST(ClickSounds, StartAndEndInSilenceAndDecay) {
    for (const std::string& name : kNames) {
        const Wav w = LoadWav(name);
        const auto& s = w.samples;
        ASSERT_GT(s.size(), 100u) << name;
        const int peak = Peak(s);
        EXPECT_LE(std::abs(static_cast<int>(s.front())), peak / 100) << name << ": first sample";
        EXPECT_LE(std::abs(static_cast<int>(s.back())), peak / 100) << name << ": last sample";
        // A soft onset: the first 0.1 ms stays far below the peak.
        EXPECT_LT(Peak(s, 0, w.sampleRate / 10000), peak / 4) << name;
        // Struck, not sustained: the last fifth is much quieter than the loudest fifth.
        const size_t fifth = s.size() / 5;
        double loudest = 0;
        for (size_t i = 0; i + fifth <= s.size(); i += fifth) loudest = std::max(loudest, Rms(s, i, i + fifth));
        EXPECT_LT(Rms(s, s.size() - fifth, s.size()), loudest / 4) << name;
    }
}

TEST(ClickSounds, NoSampleJumpsHarshly) {
    // A step of more than a third of full scale between neighbours would be heard as a crack.
    for (const std::string& name : kNames) {
        const Wav w = LoadWav(name);
        int largest = 0;
        for (size_t i = 1; i < w.samples.size(); ++i)
            largest = std::max(largest, std::abs(w.samples[i] - w.samples[i - 1]));
        EXPECT_LT(largest, 32767 / 3) << name;
    }
}

TEST(ClickSounds, TheThreeSoundsDiffer) {
    std::map<std::string, Wav> wavs;
    for (const std::string& name : kNames) wavs[name] = LoadWav(name);
    for (size_t i = 0; i < kNames.size(); ++i)
        for (size_t j = i + 1; j < kNames.size(); ++j)
            EXPECT_NE(wavs[kNames[i]].samples, wavs[kNames[j]].samples) << kNames[i] << " vs " << kNames[j];

    const Wav& tick = wavs["optionalclick.wav"];
    const Wav& button = wavs["buttonclick.wav"];
    const Wav& chime = wavs["menuclick.wav"];
    // The button press is deeper than the answer tick.
    const double tickRate = CrossingsPerSecond(tick, 1, 25);
    const double buttonRate = CrossingsPerSecond(button, 1, 25);
    EXPECT_LT(buttonRate * 2, tickRate);
    // The chime has two notes: the second one, entering later, is higher.
    const double firstNote = CrossingsPerSecond(chime, 5, 45);
    const double secondNote = CrossingsPerSecond(chime, 70, 120);
    EXPECT_GT(secondNote, firstNote * 1.3) << firstNote << " then " << secondNote;
    // The tick is the shortest, the chime the longest.
    EXPECT_LT(DurationMs(tick), DurationMs(button));
    EXPECT_LT(DurationMs(button), DurationMs(chime));
}

TEST(ClickSounds, FilesMatchTheCurrentDesigns) {
    // The build output is exactly what the synthesiser renders today.
    for (const authoring::ClickDesign& design : authoring::AllClicks()) {
        const std::vector<uint8_t> expected =
            authoring::EncodeWav16Mono(authoring::RenderClick(design), authoring::kClickSampleRate);
        const std::string actual = ReadBytes(std::string(ZUNO_SOUND_DIR) + "/" + design.fileName);
        EXPECT_EQ(std::string(expected.begin(), expected.end()), actual) << design.fileName;
    }
}

TEST(WavEncoder, WritesTheCanonicalHeader) {
    const std::vector<uint8_t> wav = authoring::EncodeWav16Mono({0, 1, -1, 32767}, 22050);
    const std::string b(wav.begin(), wav.end());
    ASSERT_EQ(b.size(), 44u + 8u);
    EXPECT_EQ(b.substr(0, 4), "RIFF");
    EXPECT_EQ(Le32(b, 4), 44u);
    EXPECT_EQ(b.substr(8, 8), "WAVEfmt ");
    EXPECT_EQ(Le32(b, 16), 16u);
    EXPECT_EQ(Le16(b, 20), 1u);
    EXPECT_EQ(Le16(b, 22), 1u);
    EXPECT_EQ(Le32(b, 24), 22050u);
    EXPECT_EQ(Le32(b, 28), 44100u);
    EXPECT_EQ(Le16(b, 32), 2u);
    EXPECT_EQ(Le16(b, 34), 16u);
    EXPECT_EQ(b.substr(36, 4), "data");
    EXPECT_EQ(Le32(b, 40), 8u);
    EXPECT_EQ(b.substr(44), std::string("\x00\x00\x01\x00\xff\xff\xff\x7f", 8));
}

TEST(ClickSynth, RenderingIsRepeatableAndHitsTheDesignedPeak) {
    for (const authoring::ClickDesign& design : authoring::AllClicks()) {
        const std::vector<int16_t> a = authoring::RenderClick(design);
        EXPECT_EQ(a, authoring::RenderClick(design)) << design.fileName;
        EXPECT_NEAR(Peak(a), design.peak * 32767, 1.0) << design.fileName;
    }
}

}  // namespace
}  // namespace zuno::testing
