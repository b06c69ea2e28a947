// Check buttons and the group box: kind words, sizes from the measured text, text with its
// bound, and check state.
#include <gtest/gtest.h>

#include <cstring>

#include "query.h"

namespace {

// Width = text width + 20, height = text height but at least 16, measured with the font of
// the window device context.
std::string Fitted(HWND w, const char* text)
{
    SIZE m = {};
    HDC dc = GetWindowDC(w);
    GetTextExtentPoint32A(dc, text, static_cast<int>(std::strlen(text)), &m);
    ReleaseDC(w, dc);
    return std::to_string(m.cx + 20) + "x" + std::to_string(m.cy < 16 ? 16 : m.cy);
}

std::string Size(HWND w)
{
    const RECT r = vu_test::RectInParent(w);
    return std::to_string(r.right - r.left) + "x" + std::to_string(r.bottom - r.top);
}

TEST(CheckButton, KindWordsTextsAndSizes)
{
    const struct {
        const char* kind;
        const char* text;
        DWORD style;  // 0: no button is made
    } cases[] = {{"SQUARE", "Beredskapsläge", 0x50000003}, {"ROUND", "Kopiera", 0x50000009},
                 {"SQUARE", "", 0x50000003}, {"square", "x", 0}, {"", "x", 0}, {nullptr, "x", 0}};
    vu_test::Window parent("Kryss");
    for (const auto& c : cases) {
        SCOPED_TRACE(c.kind ? c.kind : "(null)");
        HWND b = vu_CheckButton(parent, 12, 34, c.kind, c.text, 201);
        EXPECT_EQ(vu_test::StyleOf(b), c.style);
        if (b == nullptr) continue;
        EXPECT_EQ(GetDlgCtrlID(b), 201);
        EXPECT_EQ(Size(b), Fitted(parent, c.text));
        EXPECT_EQ(vu_CheckButtonCheck(b) + vu_CheckButtonGetState(b) % 4, BST_CHECKED);
        EXPECT_EQ(vu_CheckButtonUncheck(b) + vu_CheckButtonGetState(b) % 4, BST_UNCHECKED);
        vu_CheckButtonDestroy(b);
    }
    EXPECT_EQ(vu_test::Children(parent).size(), 0u);
}

TEST(CheckButton, SetTextRefitsAndGetTextStopsAt254)
{
    vu_test::Window parent("Krysstext");
    HWND b = vu_CheckButton(parent, 15, 25, "SQUARE", "Kort", 7);
    EXPECT_EQ(vu_CheckButtonSetText(b, "En betydligt längre text"), 0);
    EXPECT_EQ(Size(b), Fitted(b, "En betydligt längre text"));
    EXPECT_EQ(vu_test::RectInParent(b).left + vu_test::RectInParent(b).top, 40);
    const std::string long_text(400, 'x');
    vu_CheckButtonSetText(b, long_text.c_str());
    char buffer[300];
    std::memset(buffer, '#', sizeof buffer);
    EXPECT_EQ(vu_CheckButtonGetText(b, buffer), 254);
    EXPECT_EQ(std::string(buffer, 256), std::string(254, 'x') + '\0' + '#');
    EXPECT_EQ(vu_CheckButtonSetText(nullptr, "Ingen"), 1);
}

TEST(GroupBox, IsATitledFrameWithIdZero)
{
    vu_test::Window parent("Grupp");
    HWND box = vu_GroupBox(parent, 10, 20, 200, 120, "Sökvägar");
    EXPECT_EQ(vu_test::StyleOf(box), 0x50000007u);
    EXPECT_EQ(GetDlgCtrlID(box), 0);
    EXPECT_EQ(vu_test::TextOf(box), "Sökvägar");
    EXPECT_EQ(Size(box), "200x120");
}

}  // namespace
