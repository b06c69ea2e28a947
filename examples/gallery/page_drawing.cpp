// "Rita": text, numbers and fonts; plain, styled and shaded lines; frames; icons, bitmaps
// and pixels. Drawing calls draw at once and are not kept: the page draws on every WM_PAINT.
#include "gallery.h"

namespace {

void DrawTexts(HWND window)
{
    vu_TextOut(window, 10, 8, "Text och typsnitt", RGB(0, 0, 128), TitleFont, 0);
    // Background 0 is transparent; another colour puts a box behind the text.
    vu_TextOut(window, 10, 40, "Med bakgrundsfärg", RGB(0, 0, 0), SmallFont, RGB(255, 255, 160));
    vu_TextOut3D(window, 10, 62, 2, "Upphöjd text", RGB(90, 90, 90), TitleFont, 0);
    vu_NumberOut(window, 10, 92, 3.14159265, 4, RGB(128, 0, 0), SmallFont, 0);
    vu_TextOutVertical(window, 250, 40, 14, "LODRÄT", RGB(128, 0, 0), SmallFont, 0);
    vu_TextOutVertical3D(window, 272, 40, 16, 1, "3D", RGB(0, 100, 0), TitleFont, 0);

    // Style codes: the digits 1 italic, 2 underline, 3 strike-out. The caller owns each font.
    const struct { int style; const char* text; } styles[] = {
        {1, "Kursiv"}, {2, "Understruken"}, {3, "Genomstruken"}, {123, "Allt på en gång"}};
    int y = 116;
    for (const auto& s : styles) {
        HFONT font = vu_CreateFont(18, 0, 0, 400, s.style, 0, "Arial");
        vu_TextOut(window, 10, y, s.text, RGB(0, 0, 0), font, 0);
        DeleteObject(font);
        y += 22;
    }
    HFONT bold = vu_CreatePointFont(window, 12, 700, 0, 0, "Times New Roman");
    vu_TextOut(window, 140, 116, "Fet, 12 punkter", RGB(0, 0, 0), bold, 0);
    DeleteObject(bold);
    HFONT turned = vu_CreateFont(16, 0, 300, 400, 0, 0, "Arial");  // 30 degrees
    vu_TextOut(window, 140, 200, "Lutande", RGB(0, 0, 160), turned, 0);
    DeleteObject(turned);
}

void DrawLines(HWND window)
{
    vu_TextOut(window, 320, 8, "Linjer och ramar", RGB(0, 0, 128), TitleFont, 0);
    vu_Line(window, 320, 40, 620, 40, RGB(0, 0, 0));
    vu_LineDash(window, 320, 50, 620, 50, RGB(200, 0, 0), 0);
    vu_LineDot(window, 320, 60, 620, 60, RGB(0, 140, 0), 0);
    vu_LineDashDot(window, 320, 70, 620, 70, RGB(0, 0, 200), RGB(255, 255, 160));
    vu_LineDashDotDot(window, 320, 80, 620, 80, RGB(120, 0, 120), 0);
    // Shaded separators, sunken and raised, and double frames: groove and ridge.
    vu_Line3D(window, 320, 96, 300, "RIGHT", "LOWER", 1);
    vu_Line3D(window, 320, 106, 300, "RIGHT", "UPPER", 2);
    vu_Line3D(window, 626, 40, 80, "DOWN", "LOWER", 1);
    vu_Frame3D(window, 320, 124, 140, 70, "LOWER", 4);
    vu_Frame3D(window, 480, 124, 140, 70, "UPPER", 4);
}

void DrawPictures(HWND window)
{
    vu_TextOut(window, 10, 232, "Ikoner, bilder och punkter", RGB(0, 0, 128), TitleFont, 0);
    vu_DrawIcon(window, 10, 262, "GAL_ICON");
    vu_DrawSystemIcon(window, 50, 262, IDI_INFORMATION);
    vu_DrawBitmap(window, 100, 262, "GAL_PICTURE");
    vu_DrawBitmapStretched(window, 160, 262, 96, 64, "GAL_PICTURE");
    vu_DrawBitmapStretched(window, 270, 262, 40, 40, "GAL_SWATCH");  // a 4 x 4 bitmap, 10 x larger
    // Pixels one by one: a pattern whose colour follows the position.
    for (int y = 0; y < 64; y += 4)
        for (int x = 0; x < 64; x += 4)
            vu_SetPixel(window, 330 + x, 262 + y, RGB(x * 4, y * 4, 160));
    // Drawing can also reach the whole window (frame and caption): a mark in the corner.
    vu_SetDrawArea(window, "WINDOW");
    vu_Frame3D(window, 0, 0, 12, 12, "UPPER", 1);
    vu_SetDrawArea(window, "CLIENT");
}

void Paint(HWND window)
{
    DrawTexts(window);
    DrawLines(window);
    DrawPictures(window);
}

}  // namespace

const Page DrawingPage = {CMD_PAGE_DRAWING, "&Rita", "Galleri - Rita",
                          nullptr, Paint, nullptr, nullptr};
