// Discovery over a form's components (the class table, the class-name map and the
// program's own hook) and over a plain window's child windows (class and style).
#include "skin/controls/Discovery.h"

#include <vector>

#include "forms/Buttons.h"
#include "forms/Panels.h"
#include "forms/ComCtrls.h"
#include "skin/commonctrls/CommonWrappers.h"
#include "skin/controls/SkinControl.h"
#include "skin/controls/WrapperFactory.h"
#include "skin/controls/core/ControlRules.h"
#include "skin/controls/core/PaintRules.h"
#include "skin/frames/SkinManage.h"
#include "skin/frames/WinSkinData.h"
#include "skin/frames/WinSkinForm.h"

namespace zuno::skin::controls {
namespace {

using frames::TWinSkinForm;

bool Wrapped(const TWinSkinForm& frame, const forms::TControl* c) {
    const auto* w = dynamic_cast<const forms::TWinControl*>(c);
    const HWND h = w ? w->HandleIfAllocated() : nullptr;
    for (const TSkinControl* s : frame.Wrappers) {
        if (s->GraphicControl && s->GraphicControl == c) return true;
        if (h && s->Window == h) return true;
    }
    return false;
}

bool WindowWrapped(const TWinSkinForm& frame, HWND window) {
    for (const TSkinControl* s : frame.Wrappers)
        if (s->Window == window) return true;
    return false;
}

// A windowed control gets its window now; one that cannot have it is left alone.
bool EnsureWindow(forms::TControl* c) {
    auto* w = dynamic_cast<forms::TWinControl*>(c);
    if (!w || w->HandleAllocated()) return true;
    // A child control not yet placed on a window gets its wrapper when it is.
    if (!w->Parent() && !w->Is<forms::TForm>()) return false;
    // A window made on demand is wrapped when it is made.
    if (w->HandleOnDemand) return false;
    try {
        w->HandleNeeded();
    } catch (...) {
        return false;
    }
    return w->HandleAllocated();
}

void Attach(TWinSkinForm& frame, TSkinControl* s, forms::TControl* c, const ControlDecision& d) {
    frames::TSkinData* data = frame.SkinData();
    if (AttachScrollWrapper(s, c, data, d.ownThumb, frame, &frame.WorkSurface())) return;
    if (!d.attachToWindow) {
        s->AttachToControl(&frame, data, d.ownsColour, &frame.WorkSurface());
        return;
    }
    auto* w = dynamic_cast<forms::TWinControl*>(c);
    if (!w || !w->HandleAllocated()) {
        delete s;
        return;
    }
    s->OwnsColour = d.ownsColour;
    s->AttachToWindow(w->HandleIfAllocated(), data, &frame, &frame.WorkSurface());
}

// The program's own wrapper, if its handler gives one; true when C is done.
bool OfferToProgram(TWinSkinForm& frame, forms::TComponent& container, forms::TControl* form, forms::TControl* c) {
    frames::TSkinData* data = frame.SkinData();
    if (!data->OnSkinControl) return false;
    forms::TComponent* skinned = nullptr;
    data->OnSkinControl(&frame, *data, form, c, AsciiUpper(c->ClassName()), skinned);
    auto* s = dynamic_cast<TSkinControl*>(skinned);
    if (!s) return false;
    bool listed = false;
    for (TSkinControl* w : frame.Wrappers) listed = listed || w == s;
    if (!listed) s->AttachToControl(&frame, data, s->OwnsColour, &frame.WorkSurface());
    if (c->Is<forms::TCustomPanel>()) DiscoverComponents(frame, *c, form);
    (void)container;
    return true;
}

void ApplySettings(forms::TControl* c, const ControlDecision& d) {
    if (d.setFlat)
        if (auto* b = dynamic_cast<forms::TSpeedButton*>(c)) b->SetFlat(true);
    if (d.setTransparent)
        if (auto* g = dynamic_cast<forms::TGraphicControl*>(c)) g->Transparent = true;
}

void DiscoverControl(TWinSkinForm& frame, forms::TComponent& container, forms::TControl* form, forms::TControl* c) {
    frames::TSkinData* data = frame.SkinData();
    if (DisabledByTag(c->Tag, data->DisableTag)) return;
    if (!EnsureWindow(c)) return;
    if (OfferToProgram(frame, container, form, c)) return;
    if (Wrapped(frame, c)) return;
    ControlFacts facts;
    facts.className = std::string(c->ClassName());
    facts.isA = [c](std::string_view name) { return c->InheritsFrom(name); };
    facts.controls = data->SkinControls;
    facts.skinHasTabs = data->Tabs != nullptr;
    facts.tag = c->Tag;
    if (auto* w = dynamic_cast<forms::TWinControl*>(c); w && w->HandleAllocated())
        facts.scrollStyle = (GetWindowLongPtrW(w->HandleIfAllocated(), GWL_STYLE) & (WS_HSCROLL | WS_VSCROLL)) != 0;
    const ControlDecision d = ClassifyControl(facts, data->Skin3rd);
    ApplySettings(c, d);
    if (d.toolBar) InstallToolBarPainter(frame, c);
    if (d.switchOffGrip)
        if (auto* bar = dynamic_cast<forms::TStatusBar*>(c)) bar->SetSizeGrip(false);
    if (d.childKind != SkinKind::None) {
        if (auto* w = dynamic_cast<forms::TWinControl*>(c)) {
            const std::vector<forms::TControl*> children = w->Controls();
            for (forms::TControl* child : children) {
                if (Wrapped(frame, child) || !EnsureWindow(child)) continue;
                if (TSkinControl* s = CreateWrapper(d.childKind, child))
                    s->AttachToControl(&frame, data, false, &frame.WorkSurface());
            }
        }
    }
    if (d.kind != SkinKind::None)
        if (TSkinControl* s = CreateWrapper(d.kind, d.frameOwns ? nullptr : c)) Attach(frame, s, c, d);
    if (d.recurse) DiscoverComponents(frame, *c, form);
}

}  // namespace

void DiscoverComponents(TWinSkinForm& frame, forms::TComponent& container, forms::TControl* form) {
    // A snapshot: wrappers join the components of the controls they wrap.
    const std::vector<forms::TComponent*> components = container.Components();
    for (forms::TComponent* component : components)
        if (auto* c = dynamic_cast<forms::TControl*>(component)) DiscoverControl(frame, container, form, c);
}

void DiscoverAddedControl(TWinSkinForm& frame, forms::TControl* control) {
    forms::TForm* form = frame.Form();
    if (!form || !control || !frame.SkinData()) return;
    forms::TComponent* container = control->Owner() ? control->Owner() : form;
    DiscoverControl(frame, *container, form, control);
}

void DiscoverChildWindows(TWinSkinForm& frame) {
    std::vector<HWND> children;
    for (HWND child = GetTopWindow(frame.Handle); child; child = GetWindow(child, GW_HWNDNEXT)) children.push_back(child);
    for (HWND w : children) {
        const auto style = static_cast<std::uint32_t>(GetWindowLongPtrW(w, GWL_STYLE));
        if (!(style & WS_CHILD) || WindowWrapped(frame, w)) continue;
        HWND first = GetWindow(w, GW_CHILD);
        const WindowDecision d = ClassifyChildWindow(frames::WindowClassName(w), style, first != nullptr);
        HWND target = d.onFirstChild ? first : w;
        if (!target || (d.onFirstChild && WindowWrapped(frame, target))) continue;
        if (TSkinControl* s = CreateWrapper(d.kind, nullptr))
            s->AttachToWindow(target, frame.SkinData(), &frame, &frame.WorkSurface());
    }
}

}  // namespace zuno::skin::controls
