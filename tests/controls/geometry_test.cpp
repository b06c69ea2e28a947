// The geometry members every control kind shares, exercised on real push buttons in real
// parent windows: positions and sizes read back from the platform, the messages each call
// causes, visibility, enabling, repainting and focus, and missing or destroyed controls.
#include <gtest/gtest.h>

#include "control_fixture.h"

namespace {

using control_test::ClientSize;
using control_test::Parent;
using control_test::RectInParent;
using control_test::Recorded;
using control_test::StartRecording;

HWND Button(HWND parent, int x = 10, int y = 10, int w = 100, int h = 25, int id = 100)
{
    return vu_Button(parent, x, y, w, h, "Knapp", "C", "NORMAL", id);
}

TEST(Geometry, CenterHalvesEachExtentOnItsOwn)
{
    HWND parent = Parent("Mitten", 315, 251);
    ASSERT_EQ(ClientSize(parent).cx, 315);
    ASSERT_EQ(ClientSize(parent).cy, 251);
    HWND b = Button(parent, 3, 4, 100, 25);
    EXPECT_EQ(vu_ButtonCenter(b), 0);
    EXPECT_EQ(RectInParent(b).left, 107);  // 315/2 - 100/2
    EXPECT_EQ(RectInParent(b).top, 113);   // 251/2 - 25/2

    // An even parent and an odd control: halving the difference would give (107, 113).
    HWND even = Parent("Mitten jämn", 316, 252);
    HWND odd = Button(even, 0, 0, 101, 25);
    EXPECT_EQ(vu_ButtonCenter(odd), 0);
    EXPECT_EQ(RectInParent(odd).left, 108);
    EXPECT_EQ(RectInParent(odd).top, 114);
    vu_WindowDestroy(parent);
    vu_WindowDestroy(even);
}

TEST(Geometry, CenterIsOneMoveKeepingSizeAndOrder)
{
    HWND parent = Parent("Mitten meddelanden", 315, 251);
    HWND b = Button(parent);
    StartRecording(b);
    vu_ButtonCenter(b);
    ASSERT_EQ(Recorded().changing.size(), 1u);
    const WINDOWPOS& wp = Recorded().changing[0];
    EXPECT_EQ(wp.flags & (SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER),
              static_cast<UINT>(SWP_NOSIZE | SWP_NOZORDER));
    EXPECT_EQ(wp.x, 107);
    EXPECT_EQ(wp.y, 113);
    vu_WindowDestroy(parent);
}

TEST(Geometry, PositionIsWorkedOutFromRectangles)
{
    HWND parent = Parent("Position");
    HWND b = Button(parent, 10, 10);
    EXPECT_EQ(vu_ButtonGetPos(b), 0);
    EXPECT_EQ(vu_Query.x, 10);
    EXPECT_EQ(vu_Query.y, 10);

    // A menu bar counts to the non-client height above the client area.
    HMENU bar = CreateMenu();
    AppendMenuA(bar, MF_STRING, 1, "Arkiv");
    SetMenu(parent, bar);
    vu_test::PumpMessages();
    vu_ButtonMove(b, 37, -4);
    EXPECT_EQ(vu_ButtonGetPos(b), 0);
    EXPECT_EQ(vu_Query.x, 37);
    EXPECT_EQ(vu_Query.y, -4);
    vu_WindowDestroy(parent);
}

TEST(Geometry, SizeIsTheOuterSize)
{
    HWND parent = Parent("Storlek");
    HWND b = vu_Button(parent, 0, 0, 120, 30, "Kant", "C", "EDGE", 7);
    EXPECT_EQ(vu_ButtonGetSize(b), 0);
    EXPECT_EQ(vu_Query.x, 120);
    EXPECT_EQ(vu_Query.y, 30);
    vu_WindowDestroy(parent);
}

TEST(Geometry, MoveSetsPositionOnlyWithNoSizeAndNoOrder)
{
    HWND parent = Parent("Flytta");
    HWND b = Button(parent, 10, 10, 100, 25);
    StartRecording(b);
    EXPECT_EQ(vu_ButtonMove(b, 55, 66), 0);
    ASSERT_EQ(Recorded().changing.size(), 1u);
    const WINDOWPOS& wp = Recorded().changing[0];
    EXPECT_EQ(wp.flags & (SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER),
              static_cast<UINT>(SWP_NOSIZE | SWP_NOZORDER));
    EXPECT_EQ(wp.x, 55);
    EXPECT_EQ(wp.y, 66);
    const RECT r = RectInParent(b);
    EXPECT_EQ(r.left, 55);
    EXPECT_EQ(r.top, 66);
    EXPECT_EQ(r.right - r.left, 100);
    EXPECT_EQ(r.bottom - r.top, 25);

    // Negative coordinates are places like any other.
    EXPECT_EQ(vu_ButtonMove(b, -20, -5), 0);
    EXPECT_EQ(RectInParent(b).left, -20);
    EXPECT_EQ(RectInParent(b).top, -5);
    vu_WindowDestroy(parent);
}

TEST(Geometry, ResizeSetsSizeOnlyWithNoMoveAndNoOrder)
{
    HWND parent = Parent("Storlek ändra");
    HWND b = Button(parent, 12, 14, 100, 25);
    StartRecording(b);
    EXPECT_EQ(vu_ButtonResize(b, 140, 35), 0);
    ASSERT_EQ(Recorded().changing.size(), 1u);
    const WINDOWPOS& wp = Recorded().changing[0];
    EXPECT_EQ(wp.flags & (SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER),
              static_cast<UINT>(SWP_NOMOVE | SWP_NOZORDER));
    EXPECT_EQ(wp.cx, 140);
    EXPECT_EQ(wp.cy, 35);
    RECT r = RectInParent(b);
    EXPECT_EQ(r.left, 12);
    EXPECT_EQ(r.top, 14);
    EXPECT_EQ(r.right - r.left, 140);
    EXPECT_EQ(r.bottom - r.top, 35);

    // Zero and negative sizes give an empty control, still in its place.
    EXPECT_EQ(vu_ButtonResize(b, 0, 0), 0);
    vu_ButtonGetSize(b);
    EXPECT_EQ(vu_Query.x, 0);
    EXPECT_EQ(vu_Query.y, 0);
    EXPECT_EQ(vu_ButtonResize(b, -30, -1), 0);
    vu_ButtonGetSize(b);
    EXPECT_EQ(vu_Query.x, 0);
    EXPECT_EQ(vu_Query.y, 0);
    EXPECT_EQ(RectInParent(b).left, 12);
    vu_WindowDestroy(parent);
}

TEST(Geometry, FitFillsTheClientAreaLessTheDeltasAndRepaints)
{
    HWND parent = Parent("Passa", 315, 251);
    HWND b = Button(parent, 100, 100, 20, 20);
    StartRecording(b);
    EXPECT_EQ(vu_ButtonFit(b, 10, 10, -20, -20), 0);
    ASSERT_EQ(Recorded().changing.size(), 1u);
    const WINDOWPOS& wp = Recorded().changing[0];
    EXPECT_EQ(wp.flags & (SWP_NOSIZE | SWP_NOMOVE | SWP_NOREDRAW), 0u);
    const RECT r = RectInParent(b);
    EXPECT_EQ(r.left, 10);
    EXPECT_EQ(r.top, 10);
    EXPECT_EQ(r.right, 305);
    EXPECT_EQ(r.bottom, 241);

    // Deltas larger than the client area leave an empty control.
    EXPECT_EQ(vu_ButtonFit(b, 0, 0, -400, -300), 0);
    vu_ButtonGetSize(b);
    EXPECT_EQ(vu_Query.x, 0);
    EXPECT_EQ(vu_Query.y, 0);
    vu_WindowDestroy(parent);
}

TEST(Geometry, HideAndShowTellWhetherTheStateChanged)
{
    HWND parent = Parent("Dölj");
    HWND b = Button(parent);
    EXPECT_EQ(vu_ButtonHide(b), 0);
    EXPECT_FALSE(IsWindowVisible(b));
    EXPECT_EQ(vu_ButtonHide(b), 1);
    EXPECT_EQ(vu_ButtonShow(b), 0);
    EXPECT_TRUE(IsWindowVisible(b));
    EXPECT_EQ(vu_ButtonShow(b), 1);

    // Showing is a normal show: a minimised control comes back restored.
    ShowWindow(b, SW_MINIMIZE);
    ASSERT_TRUE(IsIconic(b));
    EXPECT_EQ(vu_ButtonShow(b), 1);
    EXPECT_FALSE(IsIconic(b));
    vu_WindowDestroy(parent);
}

TEST(Geometry, DisableAndEnableTellWhetherTheStateChanged)
{
    HWND parent = Parent("Spärra");
    HWND b = Button(parent);
    EXPECT_EQ(vu_ButtonDisable(b), 0);
    EXPECT_FALSE(IsWindowEnabled(b));
    EXPECT_EQ(vu_ButtonDisable(b), 1);
    EXPECT_EQ(vu_ButtonEnable(b), 0);
    EXPECT_TRUE(IsWindowEnabled(b));
    EXPECT_EQ(vu_ButtonEnable(b), 1);
    vu_WindowDestroy(parent);
}

// Whether the control has a part waiting to be painted.
bool Invalid(HWND w)
{
    RECT r;
    return GetUpdateRect(w, &r, FALSE) != 0;
}

TEST(Geometry, RedrawInvalidatesWithOrWithoutErase)
{
    HWND parent = Parent("Rita om");
    HWND b = Button(parent);
    UpdateWindow(parent);
    UpdateWindow(b);
    StartRecording(b);

    EXPECT_EQ(vu_ButtonRedraw(b, "ERASED"), 0);
    EXPECT_TRUE(Invalid(b));
    UpdateWindow(b);
    EXPECT_EQ(Recorded().Count(WM_PAINT), 1);
    EXPECT_EQ(Recorded().Count(WM_ERASEBKGND), 1);

    Recorded().Clear();
    EXPECT_EQ(vu_ButtonRedraw(b, "UNERASED"), 0);
    EXPECT_TRUE(Invalid(b));
    UpdateWindow(b);
    EXPECT_EQ(Recorded().Count(WM_PAINT), 1);
    EXPECT_EQ(Recorded().Count(WM_ERASEBKGND), 0);

    for (const char* word : {"erased", "unerased", "", "ERASE", "ERASED ", "REDRAW"}) {
        EXPECT_EQ(vu_ButtonRedraw(b, word), 1) << word;
        EXPECT_FALSE(Invalid(b)) << word;
    }
    EXPECT_EQ(vu_ButtonRedraw(b, nullptr), 1);
    EXPECT_FALSE(Invalid(b));
    vu_WindowDestroy(parent);
}

TEST(Geometry, FocusIsSetAndDropped)
{
    HWND parent = Parent("Fokus");
    HWND a = Button(parent, 10, 10, 80, 25, 1);
    HWND b = Button(parent, 10, 50, 80, 25, 2);
    SetFocus(parent);
    EXPECT_EQ(vu_ButtonSetFocus(a), parent);
    EXPECT_EQ(GetFocus(), a);
    EXPECT_EQ(vu_ButtonSetFocus(b), a);
    EXPECT_EQ(GetFocus(), b);
    // The control named does not matter: no window keeps the focus.
    EXPECT_EQ(vu_ButtonDropFocus(a), b);
    EXPECT_EQ(GetFocus(), nullptr);
    vu_ButtonSetFocus(a);
    EXPECT_EQ(vu_ButtonDropFocus(nullptr), a);
    EXPECT_EQ(GetFocus(), nullptr);
    vu_WindowDestroy(parent);
}

TEST(Geometry, DestroyTellsWhetherItDestroyed)
{
    HWND parent = Parent("Förstör");
    HWND b = Button(parent);
    EXPECT_EQ(vu_ButtonDestroy(b), 0);
    EXPECT_FALSE(IsWindow(b));
    EXPECT_TRUE(IsWindow(parent));
    EXPECT_EQ(vu_ButtonDestroy(b), 1);
    vu_WindowDestroy(parent);
}

// Every member on a handle that names no window: mapped results report failure, the
// others their fixed value, nothing else on the screen is touched.
void ExpectHarmless(HWND gone, HWND parent, HWND bystander)
{
    UpdateWindow(parent);
    SetFocus(bystander);
    const RECT before = RectInParent(bystander);

    EXPECT_EQ(vu_ButtonDestroy(gone), 1);
    EXPECT_EQ(vu_ButtonHide(gone), 1);
    EXPECT_EQ(vu_ButtonShow(gone), 0);
    EXPECT_EQ(vu_ButtonMove(gone, 5, 5), 1);
    EXPECT_EQ(vu_ButtonCenter(gone), 0);
    vu_Query = {-1, -1};
    EXPECT_EQ(vu_ButtonGetPos(gone), 0);
    EXPECT_EQ(vu_Query.x, 0);
    EXPECT_EQ(vu_Query.y, 0);
    EXPECT_EQ(vu_ButtonResize(gone, 10, 10), 1);
    vu_Query = {-1, -1};
    EXPECT_EQ(vu_ButtonGetSize(gone), 0);
    EXPECT_EQ(vu_Query.x, 0);
    EXPECT_EQ(vu_Query.y, 0);
    EXPECT_EQ(vu_ButtonFit(gone, 0, 0, 0, 0), 1);
    EXPECT_EQ(vu_ButtonDisable(gone), 0);
    EXPECT_EQ(vu_ButtonEnable(gone), 1);
    EXPECT_EQ(vu_ButtonRedraw(gone, "ERASED"), 1);
    EXPECT_EQ(vu_ButtonRedraw(gone, "UNERASED"), 1);
    EXPECT_EQ(vu_ButtonSetFocus(gone), nullptr);

    EXPECT_EQ(GetFocus(), bystander);
    EXPECT_FALSE(Invalid(parent));
    EXPECT_FALSE(Invalid(bystander));
    EXPECT_TRUE(IsWindowEnabled(bystander));
    EXPECT_TRUE(IsWindowVisible(bystander));
    const RECT after = RectInParent(bystander);
    EXPECT_TRUE(EqualRect(&before, &after));
}

TEST(Geometry, MissingAndDestroyedControlsAreHarmless)
{
    HWND parent = Parent("Saknas");
    HWND bystander = Button(parent, 20, 20, 90, 25, 1);
    HWND gone = Button(parent, 60, 60, 90, 25, 2);
    ASSERT_EQ(vu_ButtonDestroy(gone), 0);
    {
        SCOPED_TRACE("null control");
        ExpectHarmless(nullptr, parent, bystander);
    }
    {
        SCOPED_TRACE("destroyed control");
        ExpectHarmless(gone, parent, bystander);
    }
    vu_WindowDestroy(parent);
}

}  // namespace
