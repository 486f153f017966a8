// The drawn pictures: every name the content format lists exists, compresses to
// a JPEG of the intended size that decodes, is not blank, and the splash picture
// leaves a calm, light area where the program writes its progress text.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <set>

#include "authoring/common/Jpeg.h"
#include "authoring/picgen/Drawings.h"

namespace zuno::authoring {
namespace {

const Drawing& Find(const std::string& name) {
    const auto& all = AllDrawings();
    const auto it = std::find_if(all.begin(), all.end(), [&](const Drawing& d) { return d.name == name; });
    if (it == all.end()) throw std::runtime_error("no drawing " + name);
    return *it;
}

float Luma(Color c) { return 0.299f * c.r + 0.587f * c.g + 0.114f * c.b; }

TEST(Picgen, EveryListedPictureIsDrawn) {
    std::set<std::string> names;
    for (const Drawing& d : AllDrawings()) names.insert(d.name);
    EXPECT_EQ(names, (std::set<std::string>{"inkblot", "forest-path", "doors", "shapes", "glass", "stairs", "island", "splash"}));
}

TEST(Picgen, PicturesCompressDecodeAndShowSomething) {
    for (const Drawing& d : AllDrawings()) {
        const Canvas c = d.draw();
        const bool splash = d.name == "splash";
        EXPECT_EQ(c.width(), splash ? kSplashWidth : kPictureWidth) << d.name;
        EXPECT_EQ(c.height(), splash ? kSplashHeight : kPictureHeight) << d.name;
        EXPECT_LE(c.width(), 320) << d.name;
        EXPECT_LE(c.height(), 200) << d.name;
        const std::vector<uint8_t> rgb = c.ToRgb8();
        const std::vector<uint8_t> jpeg = EncodeJpeg(rgb.data(), c.width(), c.height(), 85);
        const JpegCheck check = CheckJpeg(jpeg.data(), jpeg.size());
        EXPECT_TRUE(check.ok) << d.name << ": " << check.error;
        EXPECT_EQ(check.width, c.width()) << d.name;
        float lo = 1, hi = 0;
        for (int y = 0; y < c.height(); ++y) {
            for (int x = 0; x < c.width(); ++x) {
                lo = std::min(lo, Luma(c.at(x, y)));
                hi = std::max(hi, Luma(c.at(x, y)));
            }
        }
        EXPECT_GT(hi - lo, 0.25f) << d.name << " looks blank";
    }
}

TEST(Picgen, InkblotIsSymmetric) {
    const Canvas c = Find("inkblot").draw();
    double diff = 0;
    for (int y = 0; y < c.height(); ++y) {
        for (int x = 0; x < c.width() / 2; ++x) diff += std::fabs(Luma(c.at(x, y)) - Luma(c.at(c.width() - 1 - x, y)));
    }
    EXPECT_LT(diff / (c.width() / 2 * c.height()), 0.01);
}

TEST(Picgen, DoorsAreRedGreenBlueFromLeftToRight) {
    const Canvas c = Find("doors").draw();
    const Color left = c.at(40, 100), middle = c.at(118, 100), right = c.at(196, 100);
    EXPECT_GT(left.r, left.g + 0.3f);
    EXPECT_GT(middle.g, middle.r + 0.2f);
    EXPECT_GT(right.b, right.r + 0.3f);
}

TEST(Picgen, SplashKeepsTheLabelAreaCalmAndLight) {
    const Canvas c = Find("splash").draw();
    float lo = 1, hi = 0;
    for (int y = 88; y < c.height(); ++y) {
        for (int x = 0; x < 160; ++x) {
            lo = std::min(lo, Luma(c.at(x, y)));
            hi = std::max(hi, Luma(c.at(x, y)));
        }
    }
    EXPECT_GT(lo, 0.8f);  // dark text stays readable
    EXPECT_LT(hi - lo, 0.1f);
}

TEST(Picgen, DrawingIsRepeatable) {
    EXPECT_EQ(Find("island").draw().ToRgb8(), Find("island").draw().ToRgb8());
}

}  // namespace
}  // namespace zuno::authoring
