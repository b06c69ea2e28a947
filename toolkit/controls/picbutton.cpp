// Picture buttons: turning a button into a bitmap or icon button, the family's geometry
// members and its small button operations.
#include "base/keyword.h"
#include "controls/alignment.h"
#include "controls/geometry.h"
#include "draw/made_objects.h"
#include "vu.h"

namespace {

// The plain styles of an icon button (visible child, BS_ICON, with or without the default
// and dialog-frame bits). A button whose style is one of these with up to ten alignment
// steps of 0x100 above it falls back to the plain style before new bits are added.
constexpr LONG kPlainPictureStyles[] = {0x50000040, 0x50000041, 0x50400041, 0x50400042};
// Styles above this (as signed values), such as a disabled child, are left untouched.
constexpr LONG kHighestChangeableStyle = 0x57FFFFFF;

bool IsPlainPictureStyle(LONG style)
{
    for (LONG plain : kPlainPictureStyles)
        if (style == plain) return true;
    return false;
}

// Resets the style as above; false when the button is to be left alone.
bool ResetStyle(HWND button)
{
    const DWORD read = static_cast<DWORD>(GetWindowLongA(button, GWL_STYLE));
    DWORD style = read;
    for (DWORD k = 0; k <= 10; ++k) {
        const LONG candidate = static_cast<LONG>(read - k * 0x100);
        if (candidate > kHighestChangeableStyle) return false;
        if (IsPlainPictureStyle(candidate)) {
            style = static_cast<DWORD>(candidate);
            break;
        }
    }
    SetWindowLongA(button, GWL_STYLE, static_cast<LONG>(style));
    return true;
}

HINSTANCE ModuleOf(HWND window)
{
    return reinterpret_cast<HINSTANCE>(GetWindowLongPtrA(window, GWLP_HINSTANCE));
}

// The predefined icons, searched in this order.
const vu::Keyword<WORD> kSystemIcons[] = {
    {"WINLOGO", 32517},      // IDI_WINLOGO
    {"ASTERISK", 32516},     // IDI_ASTERISK
    {"EXCLAMATION", 32515},  // IDI_EXCLAMATION
    {"HAND", 32513},         // IDI_HAND
    {"QUESTION", 32514},     // IDI_QUESTION
    {"APPLICATION", 32512},  // IDI_APPLICATION
};

// Each load makes a new bitmap, which the toolkit deletes when a later call replaces it on
// the button; icons from LoadIconA are shared by the platform and never deleted, and a
// picture the caller handed to the button is never touched.
HANDLE LoadBitmapOf(HWND button, const char* name)
{
    HANDLE bitmap = name ? LoadBitmapA(ModuleOf(button), name) : nullptr;
    vu::RememberMade(static_cast<HGDIOBJ>(bitmap));
    return bitmap;
}

HANDLE LoadIconOf(HWND button, const char* name)
{
    return name ? LoadIconA(ModuleOf(button), name) : nullptr;
}

// A word outside the table has no icon: the button is left without a picture.
HANDLE LoadSystemIcon(HWND, const char* word)
{
    const vu::Keyword<WORD>* row = vu::FindKeyword(kSystemIcons, word);
    return row ? LoadIconA(nullptr, MAKEINTRESOURCEA(row->value)) : nullptr;
}

// Adds the picture bit and the alignment bits to the (reset) style, then hands the button
// its picture. A picture that cannot be loaded leaves the button without one.
int SetPicture(HWND button, const char* alignment, DWORD picture_bit, WPARAM image_type,
               HANDLE (*load)(HWND, const char*), const char* name)
{
    if (!ResetStyle(button)) return 0;
    const DWORD bits = vu::ButtonAlignment(alignment, 0);
    const DWORD style =
        static_cast<DWORD>(GetWindowLongA(button, GWL_STYLE)) | picture_bit | bits;
    // The button takes an image only while its style names one picture kind, and a reset
    // icon button that becomes a bitmap button has both bits: hand the image over under the
    // one bit, then give the button its whole style.
    SetWindowLongA(button, GWL_STYLE, static_cast<LONG>((style & ~(BS_BITMAP | BS_ICON)) | picture_bit));
    HANDLE picture = load(button, name);
    const HANDLE replaced = reinterpret_cast<HANDLE>(
        SendMessageA(button, BM_SETIMAGE, image_type, reinterpret_cast<LPARAM>(picture)));
    if (replaced != picture) vu::ReleaseIfMade(static_cast<HGDIOBJ>(replaced));
    SetWindowLongA(button, GWL_STYLE, static_cast<LONG>(style));
    return 0;
}

}  // namespace

int vu_PicButtonSetBitmap(HWND button, const char* alignment, const char* bitmap)
{
    return SetPicture(button, alignment, BS_BITMAP, IMAGE_BITMAP, LoadBitmapOf, bitmap);
}

int vu_PicButtonSetIcon(HWND button, const char* alignment, const char* icon)
{
    return SetPicture(button, alignment, BS_ICON, IMAGE_ICON, LoadIconOf, icon);
}

int vu_PicButtonSetSystemIcon(HWND button, const char* alignment, const char* icon)
{
    return SetPicture(button, alignment, BS_ICON, IMAGE_ICON, LoadSystemIcon, icon);
}

int vu_PicButtonSetFont(HWND button, HFONT font)
{
    SendMessageA(button, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
    return 0;
}

int vu_PicButtonSetText(HWND button, const char* text)
{
    return SetWindowTextA(button, vu::TextOrEmpty(text)) ? 0 : 1;
}

int vu_PicButtonGetText(HWND button, char* buffer)
{
    return buffer ? GetWindowTextA(button, buffer, 255) : 0;
}

int vu_PicButtonPress(HWND button) { SendMessageA(button, BM_SETSTATE, 1, 0); return 0; }
int vu_PicButtonRelease(HWND button) { SendMessageA(button, BM_SETSTATE, 0, 0); return 0; }
int vu_PicButtonGetState(HWND button) { return static_cast<int>(SendMessageA(button, BM_GETSTATE, 0, 0)); }

// The geometry members. Disabling and enabling also repaint the button with erase, and
// report fixed results: disable 1, enable 0.
namespace geo = vu::geometry;
int vu_PicButtonDestroy(HWND b) { return geo::Destroy(b); }
int vu_PicButtonHide(HWND b) { return geo::Hide(b); }
int vu_PicButtonShow(HWND b) { return geo::Show(b, SW_SHOWNORMAL); }
int vu_PicButtonMove(HWND b, int x, int y) { return geo::Move(b, x, y); }
int vu_PicButtonCenter(HWND b) { return geo::Center(b); }
int vu_PicButtonGetPos(HWND b) { return geo::GetPos(b); }
int vu_PicButtonResize(HWND b, int width, int height) { return geo::Resize(b, width, height); }
int vu_PicButtonGetSize(HWND b) { return geo::GetSize(b); }
int vu_PicButtonFit(HWND b, int x, int y, int dw, int dh) { return geo::Fit(b, x, y, dw, dh); }
int vu_PicButtonDisable(HWND b) { geo::Disable(b); geo::RedrawErased(b); return 1; }
int vu_PicButtonEnable(HWND b) { geo::Enable(b); geo::RedrawErased(b); return 0; }
int vu_PicButtonRedraw(HWND b, const char* mode) { return geo::Redraw(b, mode); }
