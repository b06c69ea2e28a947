// Immediate text drawing: plain, raised (3-D), vertical and numbers.
#include "base/fixed_number.h"
#include "base/keyword.h"
#include "draw/draw_context.h"
#include "vu.h"

namespace {

int Clamp3(int offset) { return offset < -3 ? -3 : (offset > 3 ? 3 : offset); }

// Text colour, font and background of vu_TextOut and the vertical text: background 0 is
// transparent, any other colour fills the text's box (the fresh context is opaque).
// A null font keeps the context's font; so does any value that is no font, because the
// platform refuses to select it. Font handles are not tested for sign: the platform's
// handles carry a reuse count in their top bits and may well have the top bit set.
void PlainSetup(HDC dc, COLORREF color, HFONT font, COLORREF background)
{
    SetTextColor(dc, color);
    if (font != nullptr) SelectObject(dc, font);
    if (background != 0)
        SetBkColor(dc, background);
    else
        SetBkMode(dc, TRANSPARENT);
}

// The raised text always draws transparently, its first copy in white.
void RaisedSetup(HDC dc, HFONT font)
{
    SetTextColor(dc, RGB(255, 255, 255));
    SelectObject(dc, font);
    SetBkMode(dc, TRANSPARENT);
}

void Text(HDC dc, int x, int y, const char* text)
{
    TextOutA(dc, x, y, text, lstrlenA(text));
}

// Character i at (x, y + i * step).
void Column(HDC dc, int x, int y, int step, const char* text)
{
    for (int i = 0; text[i] != '\0'; ++i) TextOutA(dc, x, y + i * step, text + i, 1);
}

// Puts the context back as the text calls found a fresh one.
void Restore(HDC dc)
{
    SelectObject(dc, GetStockObject(SYSTEM_FONT));
    SetBkMode(dc, OPAQUE);
}

// More than 8 decimals draw 8.
constexpr int kMostDecimals = 8;

// Large enough for any double with 8 decimals: sign, 309 integer digits, point, 8 decimals
// and the terminator, so no rendering is ever cut.
constexpr int kNumberBufferSize = 330;

}  // namespace

int vu_TextOut(HWND window, int x, int y, const char* text, COLORREF color, HFONT font,
               COLORREF background)
{
    vu::DrawContext context(window);
    if (!context) return 0;
    PlainSetup(context.dc(), color, font, background);
    Text(context.dc(), x, y, vu::TextOrEmpty(text));
    Restore(context.dc());
    return 0;
}

int vu_TextOut3D(HWND window, int x, int y, int offset, const char* text, COLORREF color,
                 HFONT font, COLORREF)
{
    vu::DrawContext context(window);
    if (!context) return 0;
    text = vu::TextOrEmpty(text);
    offset = Clamp3(offset);
    RaisedSetup(context.dc(), font);
    Text(context.dc(), x, y, text);
    SetTextColor(context.dc(), color);
    Text(context.dc(), x + offset, y + offset, text);
    Restore(context.dc());
    return 0;
}

int vu_TextOutVertical(HWND window, int x, int y, int step, const char* text, COLORREF color,
                       HFONT font, COLORREF background)
{
    vu::DrawContext context(window);
    if (!context) return 0;
    PlainSetup(context.dc(), color, font, background);
    Column(context.dc(), x, y, step, vu::TextOrEmpty(text));
    Restore(context.dc());
    return 0;
}

int vu_TextOutVertical3D(HWND window, int x, int y, int step, int offset, const char* text,
                         COLORREF color, HFONT font, COLORREF)
{
    vu::DrawContext context(window);
    if (!context) return 0;
    text = vu::TextOrEmpty(text);
    offset = Clamp3(offset);
    RaisedSetup(context.dc(), font);
    Column(context.dc(), x, y, step, text);
    SetTextColor(context.dc(), color);
    Column(context.dc(), x + offset, y + offset, step, text);
    Restore(context.dc());
    return 0;
}

int vu_NumberOut(HWND window, int x, int y, double value, int decimals, COLORREF color,
                 HFONT font, COLORREF background)
{
    // Negative decimals name no format: the text stays empty and nothing is drawn.
    char text[kNumberBufferSize] = "";
    if (decimals >= 0)
        vu::FormatFixed(value, decimals > kMostDecimals ? kMostDecimals : decimals, text,
                        sizeof text);
    return vu_TextOut(window, x, y, text, color, font, background);
}
