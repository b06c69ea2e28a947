// gallery.exe: each page opened with Alt and its menu letter shows its own controls (and only
// those), the drawing page paints, and Alt+F4 ends the program normally.
#include <gtest/gtest.h>

#include <map>
#include <string>

#include "input.h"
#include "pixels.h"
#include "program.h"

namespace {

BOOL CALLBACK CountChild(HWND child, LPARAM lp)  // child windows by class, at any depth
{
    ++(*reinterpret_cast<std::map<std::string, int>*>(lp))[vu_test::ClassOf(child)];
    return TRUE;
}

struct PageCase { char key; const char* title; std::map<std::string, int> children; };  // key: Alt+key

// In reverse menu order, so that the first page too is reached by a switch.
const PageCase kPages[] = {
    {'E', "Galleri - Redigerare", {{"Button", 6}, {"Edit", 1}}},
    {'D', "Galleri - Dialoger", {{"Button", 9}}},
    {'R', "Galleri - Rita", {}},  // it paints: a swatch stretched to 40 x 40 at (270, 262)
    // The list view's header is its child; the button steps the progress bar.
    {'L', "Galleri - Listor",
     {{"SysListView32", 1}, {"SysHeader32", 1}, {"msctls_progress32", 1},
      {"msctls_trackbar32", 2}, {"msctls_statusbar32", 1}, {"Button", 1}}},
    // The writable comboboxes' fields are Edits; only the simple combobox's list is a child.
    {'F', "Galleri - Fält", {{"Edit", 9}, {"ComboBox", 3}, {"ComboLBox", 1}}},
    // Push, check, radio, group and picture buttons are all of the button class.
    {'K', "Galleri - Knappar", {{"Button", 15}, {"ToolbarWindow32", 1}, {"msctls_updown32", 2}}},
};

TEST(Gallery, EveryPageOpensFromTheMenuBarWithItsControls)
{
    vu_test::Program gallery("gallery.exe", "Galleri - Knappar");
    const HWND w = gallery.Main();
    ASSERT_NE(w, nullptr) << "gallery.exe showed no window titled Galleri - Knappar";
    for (const PageCase& page : kPages) {
        ASSERT_TRUE(vu_test::Foreground(w)) << page.title;
        vu_test::Chord(VK_MENU, static_cast<WORD>(page.key));
        // The page sets its title once its controls are made.
        EXPECT_TRUE(vu_test::WaitFor([&] { return vu_test::TextOf(w) == page.title; }, 5000))
            << page.title << ": the title is " << vu_test::TextOf(w);
        std::map<std::string, int> counts;
        EnumChildWindows(w, CountChild, reinterpret_cast<LPARAM>(&counts));
        EXPECT_EQ(counts, page.children) << page.title;
        const POINT swatch = vu_test::ScreenPoint(w, 290, 282);  // on the screen's pixels
        EXPECT_TRUE(page.key != 'R' || vu_test::WaitFor([&] {
            return vu_test::Pixel(GetDesktopWindow(), swatch.x, swatch.y) == RGB(32, 144, 208);
        }, 5000)) << "the drawing page's swatch is not painted";
    }
    ASSERT_TRUE(vu_test::Foreground(w));
    vu_test::Chord(VK_MENU, VK_F4);
    EXPECT_EQ(gallery.ExitCode(), 0);
}

}  // namespace
