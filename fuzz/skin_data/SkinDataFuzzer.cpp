// Fuzz target: a whole skin load from untrusted package bytes, as for a .skn file the
// user picked: decompression, archive, definition, every bitmap and the derived
// values; a successful load is then stored and read back as the form's SkinStream.
#include <cstdint>
#include <cstdlib>
#include <sstream>

#include "skin/data/SkinData.h"
#include "skin/draw/BmpDecoder.h"

using namespace zuno::skin;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    TSkinData skin;
    skin.PackageStream.assign(data, data + size);
    bool loaded = false;
    try {
        loaded = skin.LoadPackage();
    } catch (const SkinPackageError&) {
        return 0;  // refused: outside the container format
    } catch (const BmpError&) {
        if (!skin.NoSkin) std::abort();  // an image error must leave the skin unusable
        return 0;
    }
    if (loaded == skin.NoSkin) std::abort();

    if (loaded) {
        // The painting code relies on these invariants of a parsed skin.
        if (skin.SysButtons.size() < 3) std::abort();
        if (skin.Buttons.CheckFrameCount == 0 || skin.Buttons.RadioFrameCount == 0) std::abort();
        std::stringstream stored;
        skin.WriteSkinStream(stored);
        TSkinData copy;
        copy.ReadSkinStream(stored);
        if (copy.PackageStream != skin.PackageStream || copy.SkinName != skin.SkinName) std::abort();
    }
    return 0;
}
