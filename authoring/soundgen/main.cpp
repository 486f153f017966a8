// zuno-soundgen OUT_DIR: writes optionalclick.wav, buttonclick.wav and
// menuclick.wav into OUT_DIR (16-bit PCM mono, 44,100 Hz). Each file is replaced
// only when complete.
#include <cstdio>
#include <exception>
#include <filesystem>
#include <fstream>
#include <stdexcept>

#include "authoring/common/OutputFile.h"
#include "authoring/soundgen/Clicks.h"
#include "authoring/soundgen/Wav.h"

int main(int argc, char** argv) {
    using namespace zuno::authoring;
    if (argc != 2) {
        std::fputs("usage: zuno-soundgen OUT_DIR\n", stderr);
        return 2;
    }
    const std::filesystem::path folder = argv[1];
    try {
        for (const ClickDesign& design : AllClicks()) {
            const std::vector<uint8_t> wav = EncodeWav16Mono(RenderClick(design), kClickSampleRate);
            OutputFile out(folder / design.fileName);
            {
                std::ofstream file(out.tempPath(), std::ios::binary | std::ios::trunc);
                file.write(reinterpret_cast<const char*>(wav.data()), static_cast<std::streamsize>(wav.size()));
                if (!file.flush()) throw std::runtime_error("cannot write " + out.tempPath().string());
            }
            out.Commit();
        }
    } catch (const std::exception& e) {
        std::fprintf(stderr, "zuno-soundgen: error: %s\n", e.what());
        return 1;
    }
    return 0;
}
