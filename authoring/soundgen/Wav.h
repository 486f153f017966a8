// 16-bit PCM mono WAV files: the format sndPlaySound plays on every Windows
// version without a codec. Only encoding is needed; the samples come from Clicks.
#pragma once

#include <cstdint>
#include <vector>

namespace zuno::authoring {

constexpr int kWavHeaderSize = 44;

// A complete RIFF/WAVE file: 44-byte header ("fmt " chunk of 16 bytes, PCM,
// one channel, 16 bits) followed by the samples in little-endian order.
std::vector<uint8_t> EncodeWav16Mono(const std::vector<int16_t>& samples, uint32_t sampleRate);

}  // namespace zuno::authoring
