// vu_PostMessage: the message arrives later through the queue with its parameters; a window
// that is gone refuses it.
#include <gtest/gtest.h>

#include "query.h"

using namespace vu_test;

TEST(VuPostMessage, ArrivesThroughTheQueueAndAGoneWindowRefusesIt)
{
    Window window("Post");
    ClearMessages();
    EXPECT_EQ(vu_PostMessage(window, WM_APP + 5, 1234, -99), 0);
    EXPECT_EQ(CountMessages(WM_APP + 5), 0);  // posted, not sent
    ASSERT_TRUE(WaitFor([] { return CountMessages(WM_APP + 5) == 1; }));
    for (const Message& m : Messages())
        if (m.message == WM_APP + 5) {
            EXPECT_TRUE(m.window == window && m.wparam == 1234 && m.lparam == -99);
        }
    DestroyWindow(window);
    EXPECT_EQ(vu_PostMessage(window, WM_APP + 5, 0, 0), 1);
}
