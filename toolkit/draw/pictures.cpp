// Icons and resource bitmaps drawn onto a window.
#include "draw/draw_context.h"
#include "vu.h"

namespace {

// The module that created the window: where its icons and bitmaps are looked up.
HINSTANCE ModuleOf(HWND window)
{
    return reinterpret_cast<HINSTANCE>(GetWindowLongA(window, GWL_HINSTANCE));
}

// Draws the icon at its own size in MM_TEXT units; no icon draws nothing.
void PutIcon(HWND window, int x, int y, HICON icon)
{
    vu::DrawContext context(window);
    if (!context || icon == nullptr) return;
    const int previous = SetMapMode(context.dc(), MM_TEXT);
    DrawIcon(context.dc(), x, y, icon);
    SetMapMode(context.dc(), previous);
}

// Copies the whole named bitmap into the width by height rectangle at (x, y), or unscaled
// at the bitmap's own size; a missing bitmap draws nothing.
void PutBitmap(HWND window, int x, int y, int width, int height, const char* name,
               bool own_size)
{
    vu::DrawContext context(window);
    if (!context) return;
    HBITMAP bitmap = LoadBitmapA(ModuleOf(window), name);
    if (bitmap == nullptr) return;
    HDC memory = CreateCompatibleDC(context.dc());
    if (memory) {
        HGDIOBJ previous = SelectObject(memory, bitmap);
        BITMAP info = {};
        GetObjectA(bitmap, sizeof info, &info);
        if (own_size) {
            width = info.bmWidth;
            height = info.bmHeight;
        }
        StretchBlt(context.dc(), x, y, width, height, memory, 0, 0, info.bmWidth,
                   info.bmHeight, SRCCOPY);
        SelectObject(memory, previous);
        DeleteDC(memory);
    }
    DeleteObject(bitmap);
}

}  // namespace

int vu_DrawIcon(HWND window, int x, int y, const char* icon)
{
    // Loaded icons are shared by the module: they are not destroyed here.
    if (icon != nullptr) PutIcon(window, x, y, LoadIconA(ModuleOf(window), icon));
    return 0;
}

int vu_DrawSystemIcon(HWND window, int x, int y, const char* icon)
{
    if (icon != nullptr) PutIcon(window, x, y, LoadIconA(nullptr, icon));
    return 0;
}

int vu_DrawBitmap(HWND window, int x, int y, const char* bitmap)
{
    if (bitmap != nullptr) PutBitmap(window, x, y, 0, 0, bitmap, true);
    return 0;
}

int vu_DrawBitmapStretched(HWND window, int x, int y, int width, int height, const char* bitmap)
{
    if (bitmap != nullptr) PutBitmap(window, x, y, width, height, bitmap, false);
    return 0;
}
