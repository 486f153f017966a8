// Writes the canonical 44-byte RIFF/WAVE header and the sample data. Every field
// is stored little-endian byte by byte, so the output does not depend on the host.
#include "authoring/soundgen/Wav.h"

#include <stdexcept>

namespace zuno::authoring {
namespace {

void Put16(std::vector<uint8_t>& out, uint16_t v) {
    out.push_back(static_cast<uint8_t>(v & 0xFF));
    out.push_back(static_cast<uint8_t>(v >> 8));
}

void Put32(std::vector<uint8_t>& out, uint32_t v) {
    for (int shift = 0; shift < 32; shift += 8) out.push_back(static_cast<uint8_t>((v >> shift) & 0xFF));
}

void PutTag(std::vector<uint8_t>& out, const char (&tag)[5]) { out.insert(out.end(), tag, tag + 4); }

}  // namespace

std::vector<uint8_t> EncodeWav16Mono(const std::vector<int16_t>& samples, uint32_t sampleRate) {
    constexpr uint16_t kChannels = 1;
    constexpr uint16_t kBits = 16;
    constexpr uint16_t kBlockAlign = kChannels * kBits / 8;
    if (samples.size() > (0xFFFFFFFFu - kWavHeaderSize) / kBlockAlign) throw std::length_error("WAV data too long");
    const uint32_t dataSize = static_cast<uint32_t>(samples.size()) * kBlockAlign;

    std::vector<uint8_t> out;
    out.reserve(kWavHeaderSize + dataSize);
    PutTag(out, "RIFF");
    Put32(out, 36 + dataSize);  // everything after this field
    PutTag(out, "WAVE");
    PutTag(out, "fmt ");
    Put32(out, 16);
    Put16(out, 1);  // PCM
    Put16(out, kChannels);
    Put32(out, sampleRate);
    Put32(out, sampleRate * kBlockAlign);
    Put16(out, kBlockAlign);
    Put16(out, kBits);
    PutTag(out, "data");
    Put32(out, dataSize);
    for (int16_t s : samples) Put16(out, static_cast<uint16_t>(s));
    return out;
}

}  // namespace zuno::authoring
