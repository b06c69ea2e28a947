// The resource dialog: the template "MODAL_DIALOG" of this test program, shown with its
// caption, ended by OK, Cancel or closing, and no dialog for a module without the template.
#include <gtest/gtest.h>

#include <string>

#include "std_dialog_driver.h"
#include "vu_test.h"

namespace {

using std_dialog::Click;
using std_dialog::Driver;
using std_dialog::Text;

HWND Owner()
{
    const std::string title = vu_test::UniqueTitle("Resurs");
    return vu_WindowCreate(GetModuleHandleA(nullptr), title.c_str(), 30, 30, 200, 100, "CLO");
}

TEST(ResourceDialog, ShowsTheTemplateWithItsCaptionAndEndsByEachWay)
{
    HWND owner = Owner();
    ASSERT_NE(owner, nullptr);
    const auto click_ok = [](HWND dialog) { Click(dialog, IDOK); };
    const auto click_cancel = [](HWND dialog) { Click(dialog, IDCANCEL); };
    const auto close = [](HWND dialog) { PostMessageA(dialog, WM_CLOSE, 0, 0); };
    const auto escape = [](HWND dialog) {
        PostMessageA(dialog, WM_KEYDOWN, VK_ESCAPE, 0x00010001);
    };
    const std::function<void(HWND)> ends[] = {click_ok, click_cancel, close, escape};
    for (const auto& end : ends) {
        std::string caption;
        bool visible = false;
        HWND dialog_owner = nullptr;
        Driver driver(owner, [&](HWND dialog) {
            caption = Text(dialog);
            visible = IsWindowVisible(dialog) != 0;
            dialog_owner = GetWindow(dialog, GW_OWNER);
            end(dialog);
        });
        EXPECT_EQ(vu_ResourceDialog(owner), GetModuleHandleA(nullptr));
        ASSERT_TRUE(driver.Join());
        EXPECT_EQ(caption, "Tillverkad fr\xE5n dialog");
        EXPECT_TRUE(visible);
        EXPECT_EQ(dialog_owner, owner);
        EXPECT_EQ(std_dialog::FindDialog(owner), nullptr);
    }
    DestroyWindow(owner);
}

TEST(ResourceDialog, AModuleWithoutTheTemplateGetsNoDialog)
{
    // A window whose module is a system library: it has no such template.
    HINSTANCE library = GetModuleHandleA("kernel32.dll");
    HWND owner = CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                                 library, nullptr);
    ASSERT_NE(owner, nullptr);
    bool shown = false;
    Driver driver(owner, [&](HWND dialog) {
        shown = true;
        Click(dialog, IDOK);
    });
    EXPECT_EQ(vu_ResourceDialog(owner), library);
    driver.Join();
    EXPECT_FALSE(shown);
    DestroyWindow(owner);
}

}  // namespace
