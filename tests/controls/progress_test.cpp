// Progress bar: frame words, the 16-bit range and the step, and replacement.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include "query.h"

namespace {

int Position(HWND bar) { return static_cast<int>(SendMessageA(bar, PBM_GETPOS, 0, 0)); }
int Maximum(HWND bar) { return static_cast<int>(SendMessageA(bar, PBM_GETRANGE, FALSE, 0)); }

TEST(Progress, FrameWordsRangeAndStep)
{
    const struct {
        const char* frame;
        unsigned maximum;
        DWORD style;
        int range;  // the maximum's low 16 bits
    } cases[] = {{"NORMAL", 200, 0x50000000, 200}, {"SUNKEN", 65535, 0x50400000, 65535},
                 {"sunken", 65536 + 300, 0x50000000, 300}, {nullptr, 200, 0x50000000, 200}};
    vu_test::Window parent("Förlopp");
    for (const auto& c : cases) {
        SCOPED_TRACE(c.frame ? c.frame : "(null)");
        HWND bar = vu_Progress(parent, 5, 6, 200, 20, c.frame, c.maximum, 10);
        EXPECT_EQ(vu_test::StyleOf(bar), c.style);
        EXPECT_EQ(GetDlgCtrlID(bar), 0);
        EXPECT_EQ(Maximum(bar), c.range);
        for (int i = 0; i < 10; ++i) EXPECT_EQ(vu_ProgressStep(bar), 0);
        EXPECT_EQ(Position(bar), 100);
    }
}

TEST(Progress, RecreateReplacesTheBarInTheSameParent)
{
    vu_test::Window parent("Förlopp ny");
    HWND old = vu_Progress(parent, 5, 5, 200, 20, "NORMAL", 50, 10);
    vu_ProgressStep(old);
    HWND bar = vu_ProgressRecreate(old, 10, 40, 150, 18, "SUNKEN", 80, 5);
    EXPECT_FALSE(IsWindow(old));
    EXPECT_EQ(GetParent(bar), parent.get());
    EXPECT_EQ(vu_test::StyleOf(bar), 0x50400000u);
    EXPECT_EQ(vu_test::ChildAt(parent, 10, 40), bar);
    EXPECT_EQ(Maximum(bar) * 1000 + Position(bar), 80000);  // the old position is not kept
    vu_ProgressStep(bar);
    EXPECT_EQ(Position(bar), 5);
}

}  // namespace
