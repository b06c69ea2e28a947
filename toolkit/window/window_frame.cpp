// Border and sizing-frame words of top-level windows; both run through the restyling
// frame that vu_WindowRestyle uses.
#include "base/keyword.h"
#include "vu.h"
#include "window/reframe.h"

int vu_BorderChanged = 0;

namespace {

enum class Border { Transparent, Flat, FlatBorder, Sunken, Normal, NormalSunken };

const vu::Keyword<Border> kBorders[] = {
    {"TRANSPARENT", Border::Transparent}, {"FLAT", Border::Flat},
    {"FLAT_BORDER", Border::FlatBorder},   {"SUNKEN", Border::Sunken},
    {"NORMAL", Border::Normal},            {"NORMAL_SUNKEN", Border::NormalSunken},
};

void ApplyBorder(HWND window, Border border)
{
    using vu::SetStyleWord;
    switch (border) {
    case Border::Transparent:
        SetStyleWord(window, GWL_EXSTYLE, WS_EX_TRANSPARENT);
        vu_BorderChanged = 1;
        break;
    case Border::Flat:
        SetStyleWord(window, GWL_STYLE, WS_POPUP);
        vu_BorderChanged = 1;
        break;
    case Border::FlatBorder:
        SetStyleWord(window, GWL_STYLE, WS_POPUP | WS_BORDER);
        vu_BorderChanged = 1;
        break;
    case Border::Sunken:
        SetStyleWord(window, GWL_STYLE, WS_POPUP);
        SetStyleWord(window, GWL_EXSTYLE, WS_EX_CLIENTEDGE);
        vu_BorderChanged = 1;
        break;
    case Border::Normal:
        // Once any window lost its frame, NORMAL gives the dialog frame back as well.
        if (vu_BorderChanged) SetStyleWord(window, GWL_STYLE, WS_DLGFRAME);
        SetStyleWord(window, GWL_EXSTYLE, WS_EX_WINDOWEDGE);
        break;
    case Border::NormalSunken:
        SetStyleWord(window, GWL_EXSTYLE, WS_EX_CLIENTEDGE);
        break;
    }
}

}  // namespace

int vu_WindowBorder(HWND window, const char* border)
{
    const vu::Keyword<Border>* row = vu::FindKeyword(kBorders, border);
    return vu::Reframe(window, [&] {
        if (row) ApplyBorder(window, row->value);
    });
}

int vu_WindowSizeFrame(HWND window, const char* mode)
{
    const bool on = vu::IsWord(mode, "ON");
    const bool toggle = vu::IsWord(mode, "OFF");
    return vu::Reframe(window, [&] {
        if (!on && !toggle) return;
        const DWORD style = static_cast<DWORD>(GetWindowLongA(window, GWL_STYLE));
        // "OFF" flips the bit: it removes a sizing frame that is there and adds a missing one.
        vu::SetStyleWord(window, GWL_STYLE, on ? style | WS_THICKFRAME : style ^ WS_THICKFRAME);
    });
}
