// Module WinSubClass, scroll bars: TSkinScrollbar paints a scrollable control's own
// scroll bars in its non-client area and, when asked, drags their thumbs itself;
// TSkinListView adds the list view's header; TSkinScControl paints a scroll-bar
// control as one bar. Every bar is composed in a 16-pixel strip and stretched once.
#pragma once

#include <windows.h>

#include <memory>

#include "skin/controls/SkinControl.h"
#include "skin/scrollbars/core/ScrollGeometry.h"

namespace zuno::skin::controls {

class TSkinHeader;

// The bar composed from the skin and stretched onto `bar` of the DC (window
// coordinates). Nothing without the skin's arrow strip or for a length outside
// 1 .. 10000.
void PaintScrollBar(HDC dc, const RECT& bar, bool horizontal, std::int32_t state,
                    const scrollbars::BarMetrics& m, const TSkinData& skin);

class TSkinScrollbar : public TSkinControl {
    ZUNO_COMPONENT_CLASS(TSkinScrollbar, TSkinControl)
public:
    explicit TSkinScrollbar(forms::TComponent* owner);
    ~TSkinScrollbar() override;

    std::int32_t ScrollState = scrollbars::kStateNone;
    std::uint32_t StyleCache = 0;    // style at the last paint, suppressed bars added
    std::uint32_t ExStyleCache = 0;
    RECT SizeBoxRect{};
    bool Tracking = false;           // true only inside TrackThumb
    bool OwnThumbClicks = false;
    bool SuppressVert = false;       // true while the control handles WM_VSCROLL
    bool SuppressHorz = false;
    SCROLLINFO ScrollInfo[2]{};      // [0] horizontal, [1] vertical, at the last thumb computation
    RECT HorzBarRect{}, VertBarRect{};
    scrollbars::BarMetrics BarMetrics[2]{};

    bool BeforeMessage(forms::TMessage& m) override;
    void AfterMessage(forms::TMessage& m) override;
    void Paint(HDC dc, const RECT& rect) override;
    virtual void AttachScrollable(forms::TControl* control, TSkinData* data, bool ownThumbClicks,
                                  TWinSkinForm* frame, frames::DibSurface* canvas);

protected:
    void ComputeBars(const RECT& rect);
    void ComputeThumb(const RECT& bar, bool horizontal);
    void PaintBar(HDC dc, const RECT& bar, bool horizontal);
    bool ThumbPress(forms::TMessage& m);
    void TrackThumb(bool horizontal, POINT start);
    void ScrollRequest(forms::TMessage& m, bool horizontal);

private:
    std::shared_ptr<bool> alive_ = std::make_shared<bool>(true);
};

class TSkinListView : public TSkinScrollbar {
    ZUNO_COMPONENT_CLASS(TSkinListView, TSkinScrollbar)
public:
    explicit TSkinListView(forms::TComponent* owner) : TSkinScrollbar(owner) {}
    TSkinHeader* HeaderWrapper = nullptr;  // owned by the list view
    void AttachScrollable(forms::TControl* control, TSkinData* data, bool ownThumbClicks,
                          TWinSkinForm* frame, frames::DibSurface* canvas) override;
};

class TSkinScControl : public TSkinControl {
    ZUNO_COMPONENT_CLASS(TSkinScControl, TSkinControl)
public:
    explicit TSkinScControl(forms::TComponent* owner) : TSkinControl(owner) {}
    std::int32_t ScrollState = scrollbars::kStateNone;
    scrollbars::BarMetrics Metrics;  // TrackLength, ThumbSize, ThumbPos of the one bar
    bool BeforeMessage(forms::TMessage& m) override;
    void Paint(HDC dc, const RECT& rect) override;

private:
    void ComputeThumb(const RECT& rect, bool horizontal);
};

}  // namespace zuno::skin::controls
