// The resource dialog: the template "MODAL_DIALOG" of this test program, shown with its
// caption and ended by each way, and no dialog for a module without the template.
#include <gtest/gtest.h>

#include "dialog_driver.h"

using namespace vu_test;

TEST(ResourceDialog, ShowsTheTemplateWithItsCaptionAndEndsByEachWay)
{
    const struct { const char* name; UINT message; WPARAM wparam; } rows[] = {
        {"OK", WM_COMMAND, IDOK}, {"Cancel or Escape", WM_COMMAND, IDCANCEL}, {"closed", WM_CLOSE, 0}};
    Window owner("Resurs");
    for (const auto& row : rows) {
        std::string caption;
        DialogDriver driver([&](HWND d) { caption = TextOf(d); PostMessageA(d, row.message, row.wparam, 0); }, owner);
        EXPECT_EQ(vu_ResourceDialog(owner), Self());
        EXPECT_TRUE(driver.found() && !driver.gave_up()) << row.name;
        EXPECT_EQ(caption, "Tillverkad fr\xE5n dialog") << row.name;
    }
    // A window of a system library: that module has no such template.
    HWND other = CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 9, 9, nullptr, nullptr, GetModuleHandleA("kernel32.dll"), nullptr);
    DialogDriver driver([](HWND d) { ClickItem(d, IDOK); });
    EXPECT_EQ(vu_ResourceDialog(other), GetModuleHandleA("kernel32.dll"));
    EXPECT_FALSE(driver.found());
    DestroyWindow(other);
}
