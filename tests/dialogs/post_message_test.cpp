// vu_PostMessage: the message arrives later through the window's queue, with its parameters;
// a window that is gone refuses it.
#include <gtest/gtest.h>

#include <string>

#include "vu_test.h"

namespace {

TEST(VuPostMessage, ArrivesThroughTheQueueWithItsParameters)
{
    const std::string title = vu_test::UniqueTitle("Post");
    HWND window = vu_WindowCreate(GetModuleHandleA(nullptr), title.c_str(), 30, 30, 200, 100,
                                  "CLO");
    ASSERT_NE(window, nullptr);
    vu_test::PumpMessages();
    vu_test::ClearMessages();
    EXPECT_EQ(vu_PostMessage(window, WM_APP + 5, 1234, -99), 0);
    // Posted, not sent: nothing has arrived before the queue is read.
    EXPECT_EQ(vu_test::CountMessages(WM_APP + 5), 0);
    ASSERT_TRUE(vu_test::WaitFor([] { return vu_test::CountMessages(WM_APP + 5) == 1; }));
    for (const vu_test::Message& m : vu_test::Messages()) {
        if (m.message != WM_APP + 5) continue;
        EXPECT_EQ(m.window, window);
        EXPECT_EQ(m.wparam, 1234u);
        EXPECT_EQ(m.lparam, -99);
    }

    DestroyWindow(window);
    EXPECT_EQ(vu_PostMessage(window, WM_APP + 5, 0, 0), 1);
}

TEST(VuPostMessage, WithoutAWindowGoesToTheThreadsQueue)
{
    EXPECT_EQ(vu_PostMessage(nullptr, WM_APP + 6, 7, 8), 0);
    MSG msg = {};
    ASSERT_TRUE(PeekMessageA(&msg, reinterpret_cast<HWND>(-1), WM_APP + 6, WM_APP + 6, PM_REMOVE));
    EXPECT_EQ(msg.wParam, 7u);
    EXPECT_EQ(msg.lParam, 8);
}

}  // namespace
