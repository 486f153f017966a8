// Menu-bar layout, accelerators and the keyboard-menu filter.
#include "skin/menus/core/MenuBarLayout.h"

#include <cwctype>

namespace zuno::skin::menus {

int MenuBarStartOffset(const TDataSkinObject* menuBar, bool rightToLeft, int barWidth) {
    if (menuBar == nullptr) return 6;
    const int s = rightToLeft ? menuBar->RightWidth + 8 : menuBar->LeftWidth + 4;
    return s > barWidth ? 12 : s;
}

std::vector<Rect> LayoutMenuBarItems(const std::vector<MenuBarItemInput>& items, int start,
                                     int barWidth, int barHeight, bool rightToLeft) {
    std::vector<Rect> out;
    out.reserve(items.size());
    int x = rightToLeft ? barWidth - start : start;
    for (const MenuBarItemInput& item : items) {
        if (!item.visible) {
            out.push_back({});
            continue;
        }
        const int width = item.emptyCaption ? 0 : item.textWidth + 10;
        if (rightToLeft) {
            out.push_back({x - width, 0, x, barHeight - 1});
            x -= width;
        } else {
            out.push_back({x, 0, x + width, barHeight - 1});
            x += width;
        }
    }
    return out;
}

wchar_t AccelChar(std::wstring_view caption) {
    for (std::size_t i = 0; i + 1 < caption.size(); ++i) {
        if (caption[i] != L'&') continue;
        if (caption[i + 1] == L'&') {
            ++i;
            continue;
        }
        wchar_t c = caption[i + 1];
        if (c < 0x80) c = static_cast<wchar_t>(std::towupper(c));
        return c;
    }
    return 0;
}

bool KeyMenuSwallowed(bool tracking, unsigned command, std::int64_t key, bool captured,
                      bool accelItemFound) {
    if (tracking || (command & 0xFFF0u) != 0xF100u) return false;
    if (key == 32 || key == 45 || captured) return false;
    return key == 0 || accelItemFound;
}

}  // namespace zuno::skin::menus
