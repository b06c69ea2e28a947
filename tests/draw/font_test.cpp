// Font constructors: the fields of the fonts they make, read back from the platform, and
// the fonts the mapper gives for them.
#include <gtest/gtest.h>

#include <string>

#include "draw_test_window.h"

namespace {

LOGFONTA Fields(HFONT font)
{
    LOGFONTA f = {};
    EXPECT_EQ(GetObjectA(font, sizeof f, &f), static_cast<int>(sizeof f));
    return f;
}

// The metrics and face of the real font the mapper picks for font.
struct Realised {
    TEXTMETRICA metrics;
    std::string face;
};

Realised Realise(HFONT font)
{
    Realised r = {};
    HDC dc = GetDC(nullptr);
    HGDIOBJ previous = SelectObject(dc, font);
    GetTextMetricsA(dc, &r.metrics);
    char face[LF_FACESIZE] = {};
    GetTextFaceA(dc, sizeof face, face);
    r.face = face;
    SelectObject(dc, previous);
    ReleaseDC(nullptr, dc);
    return r;
}

int ScreenDotsPerInch(HWND window)
{
    HDC dc = GetDC(window);
    const int dpi = GetDeviceCaps(dc, LOGPIXELSY);
    ReleaseDC(window, dc);
    return dpi;
}

void ExpectFixedFields(const LOGFONTA& f, const char* face)
{
    EXPECT_EQ(f.lfCharSet, 0);
    EXPECT_EQ(f.lfOutPrecision, 0);
    EXPECT_EQ(f.lfClipPrecision, 0);
    EXPECT_EQ(f.lfQuality, 0);
    EXPECT_EQ(f.lfPitchAndFamily, 0x20);
    EXPECT_STREQ(f.lfFaceName, face);
}

TEST(CreateFont, FieldsAreTheArguments)
{
    HFONT font = vu_CreateFont(16, 6, 0, 300, 0, 0, "ARIAL");
    ASSERT_NE(font, nullptr);
    const LOGFONTA f = Fields(font);
    EXPECT_EQ(f.lfHeight, 16);
    EXPECT_EQ(f.lfWidth, 6);
    EXPECT_EQ(f.lfEscapement, 0);
    EXPECT_EQ(f.lfOrientation, 0);
    EXPECT_EQ(f.lfWeight, 300);
    EXPECT_EQ(f.lfItalic, 0);
    EXPECT_EQ(f.lfUnderline, 0);
    EXPECT_EQ(f.lfStrikeOut, 0);
    ExpectFixedFields(f, "ARIAL");
    // "ARIAL" maps to the installed metric-compatible sans face, 16 pixels high.
    const Realised r = Realise(font);
    EXPECT_EQ(r.metrics.tmHeight, 16);
    EXPECT_EQ(r.metrics.tmAveCharWidth, 6);
    EXPECT_EQ(r.metrics.tmPitchAndFamily & 0xF0, FF_SWISS);
    DeleteObject(font);

    font = vu_CreateFont(12, 4, 0, 300, 0, 0, "ARIAL");
    EXPECT_EQ(Realise(font).metrics.tmHeight, 12);
    EXPECT_EQ(Realise(font).metrics.tmAveCharWidth, 4);
    EXPECT_EQ(Realise(font).face, r.face);
    DeleteObject(font);
}

TEST(CreateFont, AngleSetsEscapementAndOrientation)
{
    HFONT font = vu_CreateFont(-20, 0, 900, 700, 0, 0, "Times New Roman");
    const LOGFONTA f = Fields(font);
    EXPECT_EQ(f.lfHeight, -20);
    EXPECT_EQ(f.lfWidth, 0);
    EXPECT_EQ(f.lfEscapement, 900);
    EXPECT_EQ(f.lfOrientation, 900);
    EXPECT_EQ(f.lfWeight, 700);
    ExpectFixedFields(f, "Times New Roman");
    DeleteObject(font);
}

struct StyleCase {
    int code;
    BYTE italic, underline, strike_out;
};

// Listed codes by their digits; every other code gives a plain font.
const StyleCase kStyles[] = {
    {0, 0, 0, 0},   {1, 1, 0, 0},  {2, 0, 1, 0},   {3, 0, 0, 1},   {12, 1, 1, 0},
    {13, 1, 0, 1},  {23, 0, 1, 1}, {123, 1, 1, 1}, {4, 0, 0, 0},   {21, 0, 0, 0},
    {32, 0, 0, 0},  {-1, 0, 0, 0}, {1234, 0, 0, 0}, {111, 0, 0, 0}, {-12, 0, 0, 0},
};

TEST(CreateFont, StyleCodesChooseItalicUnderlineStrikeOut)
{
    for (const StyleCase& c : kStyles) {
        HFONT font = vu_CreateFont(16, 0, 0, 400, c.code, 0, "ARIAL");
        const LOGFONTA f = Fields(font);
        EXPECT_EQ(f.lfItalic, c.italic) << c.code;
        EXPECT_EQ(f.lfUnderline, c.underline) << c.code;
        EXPECT_EQ(f.lfStrikeOut, c.strike_out) << c.code;
        const Realised r = Realise(font);
        EXPECT_EQ(r.metrics.tmItalic != 0, c.italic != 0) << c.code;
        EXPECT_EQ(r.metrics.tmUnderlined != 0, c.underline != 0) << c.code;
        EXPECT_EQ(r.metrics.tmStruckOut != 0, c.strike_out != 0) << c.code;
        DeleteObject(font);

        font = vu_CreatePointFont(nullptr, 10, 400, c.code, 0, "ARIAL");
        const LOGFONTA p = Fields(font);
        EXPECT_EQ(p.lfItalic, c.italic) << c.code;
        EXPECT_EQ(p.lfUnderline, c.underline) << c.code;
        EXPECT_EQ(p.lfStrikeOut, c.strike_out) << c.code;
        DeleteObject(font);
    }
}

TEST(CreateFont, NullFaceIsTheEmptyFace)
{
    HFONT font = vu_CreateFont(16, 0, 0, 400, 0, 0, nullptr);
    ASSERT_NE(font, nullptr);
    EXPECT_STREQ(Fields(font).lfFaceName, "");
    DeleteObject(font);
}

TEST(CreatePointFont, HeightFollowsTheWindowsDotsPerInch)
{
    draw_test::Window w("Punktstorlek");
    const int dpi = ScreenDotsPerInch(w);
    ASSERT_GT(dpi, 0);
    for (int points : {10, 8, 12, 9, 72, 1}) {
        HFONT font = vu_CreatePointFont(w, points, 300, 0, 0, "ARIAL");
        ASSERT_NE(font, nullptr);
        const LOGFONTA f = Fields(font);
        EXPECT_EQ(f.lfHeight, -MulDiv(points, dpi, 72)) << points;
        EXPECT_EQ(f.lfWidth, 0);
        EXPECT_EQ(f.lfEscapement, 0);
        EXPECT_EQ(f.lfOrientation, 0);
        EXPECT_EQ(f.lfWeight, 300);
        ExpectFixedFields(f, "ARIAL");
        // Negative height: the character height, internal leading excluded (the mapper
        // rounds the face's own proportions to whole pixels).
        const TEXTMETRICA m = Realise(font).metrics;
        EXPECT_NEAR(m.tmHeight - m.tmInternalLeading, MulDiv(points, dpi, 72), 1) << points;
        DeleteObject(font);
    }
    if (dpi == 96) {
        HFONT font = vu_CreatePointFont(w, 10, 300, 0, 0, "ARIAL");
        EXPECT_EQ(Fields(font).lfHeight, -13);  // 13.33 rounded
        DeleteObject(font);
    }
}

TEST(CreatePointFont, DrawAreaDoesNotApply)
{
    draw_test::Window w("Punktstorlek fönster");
    vu_SetDrawArea(w, "WINDOW");
    HFONT font = vu_CreatePointFont(w, 10, 400, 0, 0, "ARIAL");
    vu_SetDrawArea(w, "CLIENT");
    EXPECT_EQ(Fields(font).lfHeight, -MulDiv(10, ScreenDotsPerInch(w), 72));
    DeleteObject(font);
}

TEST(CreatePointFont, NullWindowUsesTheScreenAndAGoneWindowGivesNoFont)
{
    HFONT font = vu_CreatePointFont(nullptr, 10, 400, 0, 0, "ARIAL");
    ASSERT_NE(font, nullptr);
    EXPECT_EQ(Fields(font).lfHeight, -MulDiv(10, ScreenDotsPerInch(nullptr), 72));
    DeleteObject(font);

    HWND gone = vu_WindowCreate(GetModuleHandleA(nullptr),
                                vu_test::UniqueTitle("Punkt borta").c_str(), 0, 0, 100, 100,
                                "CLO");
    ASSERT_NE(gone, nullptr);
    DestroyWindow(gone);
    EXPECT_EQ(vu_CreatePointFont(gone, 10, 400, 0, 0, "ARIAL"), nullptr);
}

TEST(CreatePointFont, ZeroAndNegativeSizes)
{
    // Zero points asks for the mapper's default height; negative points give a positive
    // (cell) height of the same magnitude.
    HFONT font = vu_CreatePointFont(nullptr, 0, 400, 0, 0, "ARIAL");
    EXPECT_EQ(Fields(font).lfHeight, 0);
    DeleteObject(font);
    font = vu_CreatePointFont(nullptr, -10, 400, 0, 0, "ARIAL");
    EXPECT_EQ(Fields(font).lfHeight, MulDiv(10, ScreenDotsPerInch(nullptr), 72));
    DeleteObject(font);
}

TEST(Resources, PointFontReleasesItsContext)
{
    draw_test::Window w("Punkt läcka");
    DeleteObject(vu_CreatePointFont(w, 10, 400, 0, 0, "ARIAL"));
    const DWORD before = draw_test::GdiObjects();
    EXPECT_GT(before, 0u);
    for (int i = 0; i < 300; ++i) {
        DeleteObject(vu_CreatePointFont(w, 10, 400, 0, 0, "ARIAL"));
        DeleteObject(vu_CreatePointFont(nullptr, 10, 400, 0, 0, "ARIAL"));
    }
    EXPECT_EQ(draw_test::GdiObjects(), before);
}

}  // namespace
