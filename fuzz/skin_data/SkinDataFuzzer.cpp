// Fuzz target: a whole skin load from untrusted package bytes, as for a .skn file the
// user picked: decompression, archive, definition, every bitmap and the derived
// values; a successful load is then stored and read back as the form's SkinStream.
// First input byte even: the rest is a package file. Odd: the rest is an archive,
// compressed here first, so that mutations reach the definition and the bitmaps
// instead of dying in the compressed stream.
#include <cstdint>
#include <cstdlib>
#include <span>
#include <sstream>

#include "skin/data/SkinData.h"
#include "skin/draw/BmpDecoder.h"
#include "skin/package/LzhEncoder.h"

using namespace zuno::skin;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    TSkinData skin;
    const std::span<const std::uint8_t> rest(data + 1, size - 1);
    if (data[0] & 1)
        skin.PackageStream = PackSkinArchive(rest);
    else
        skin.PackageStream.assign(rest.begin(), rest.end());
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
