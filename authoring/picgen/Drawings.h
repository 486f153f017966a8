// The pictures questions can name (see data/content/README.md) and the splash
// picture of the start-up form, each drawn from code so that no binary art needs
// to live in the source tree.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "authoring/picgen/Canvas.h"

namespace zuno::authoring {

inline constexpr int kPictureWidth = 256;
inline constexpr int kPictureHeight = 160;
inline constexpr int kSplashWidth = 320;
inline constexpr int kSplashHeight = 112;

struct Drawing {
    std::string name;  // the file is name + ".jpg"
    std::function<Canvas()> draw;
};

// Question pictures and "splash", in a fixed order.
const std::vector<Drawing>& AllDrawings();

}  // namespace zuno::authoring
