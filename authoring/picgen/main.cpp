// zuno-picgen OUT_DIR: draws the question pictures and the splash picture into
// OUT_DIR as JPEG files (quality 85). Each file is replaced only when complete.
#include <cstdio>
#include <exception>
#include <filesystem>
#include <fstream>

#include "authoring/common/Jpeg.h"
#include "authoring/common/OutputFile.h"
#include "authoring/picgen/Drawings.h"

int main(int argc, char** argv) {
    using namespace zuno::authoring;
    if (argc != 2) {
        std::fputs("usage: zuno-picgen OUT_DIR\n", stderr);
        return 2;
    }
    const std::filesystem::path folder = argv[1];
    try {
        for (const Drawing& d : AllDrawings()) {
            const Canvas canvas = d.draw();
            const std::vector<uint8_t> rgb = canvas.ToRgb8();
            const std::vector<uint8_t> jpeg = EncodeJpeg(rgb.data(), canvas.width(), canvas.height(), 85);
            if (jpeg.empty()) throw std::runtime_error("cannot compress " + d.name);
            OutputFile out(folder / (d.name + ".jpg"));
            {
                std::ofstream file(out.tempPath(), std::ios::binary | std::ios::trunc);
                file.write(reinterpret_cast<const char*>(jpeg.data()), static_cast<std::streamsize>(jpeg.size()));
                if (!file.flush()) throw std::runtime_error("cannot write " + out.tempPath().string());
            }
            out.Commit();
        }
    } catch (const std::exception& e) {
        std::fprintf(stderr, "zuno-picgen: error: %s\n", e.what());
        return 1;
    }
    return 0;
}
