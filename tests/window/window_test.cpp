// Top-level windows: class per window, keyword styles, sizes, show modes, restyling.
#include <gtest/gtest.h>

#include <string>

#include "vu_test.h"

namespace {

HINSTANCE Self() { return GetModuleHandleA(nullptr); }

std::string ClassOf(HWND w)
{
    char name[256] = {};
    GetClassNameA(w, name, sizeof name);
    return name;
}

TEST(WindowCreate, RegistersClassNamedAfterTitleAndShowsWindow)
{
    const std::string title = vu_test::UniqueTitle("Fönster");
    HWND w = vu_WindowCreate(Self(), title.c_str(), 10, 20, 200, 100, "CLO");
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(ClassOf(w), title);
    EXPECT_TRUE(IsWindowVisible(w));
    EXPECT_EQ(GetClassLongA(w, GCL_STYLE), static_cast<DWORD>(CS_DBLCLKS));
    EXPECT_EQ(GetWindowLongA(w, GWL_STYLE) & (WS_CAPTION | WS_SYSMENU | WS_POPUP | WS_VISIBLE),
              static_cast<LONG>(WS_CAPTION | WS_SYSMENU | WS_VISIBLE));
    RECT r;
    GetWindowRect(w, &r);
    EXPECT_EQ(r.left, 10);
    EXPECT_EQ(r.top, 20);
    EXPECT_EQ(r.right - r.left, 200);
    EXPECT_EQ(r.bottom - r.top, 100 + GetSystemMetrics(SM_CYCAPTION));
    EXPECT_EQ(vu_WindowDestroy(w), 0);
    EXPECT_EQ(vu_WindowDestroy(w), 1);
}

}  // namespace
