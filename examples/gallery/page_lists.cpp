// "Listor": a list view with columns, a progress bar, two trackbars and a status bar.
#include "gallery.h"

namespace {

HWND List;
HWND Progress;
HWND Across;
HWND Upright;
HWND Status;

void Build(HWND window)
{
    // A report-style list view: columns count from 0, rows from 1.
    List = vu_ListView(window, 10, 10, 400, 200);
    vu_ListViewInsertColumn(List, 140, "L", "Stad", 0);
    vu_ListViewInsertColumn(List, 120, "R", "Invånare", 1);
    vu_ListViewInsertColumn(List, 120, "C", "Landskap", 2);
    const char* rows[][3] = {{"Göteborg", "600 000", "Västergötland"},
                             {"Malmö", "360 000", "Skåne"},
                             {"Uppsala", "240 000", "Uppland"},
                             {"Västerås", "160 000", "Västmanland"},
                             {"Örebro", "160 000", "Närke"}};
    int row = 1;
    for (const auto& cells : rows) {
        // The first cell of a new row number adds the row.
        for (int column = 0; column < 3; ++column)
            vu_ListViewAddCell(List, cells[column], row, column);
        ++row;
    }
    vu_ListViewSetColors(List, RGB(0, 0, 96), RGB(255, 255, 240));

    // A progress bar of 0..100 stepping by 10, advanced by the button beside it.
    Progress = vu_Progress(window, 10, 230, 300, 22, "SUNKEN", 100, 10);
    for (int i = 0; i < 4; ++i) vu_ProgressStep(Progress);
    vu_Button(window, 320, 228, 90, 26, "Ett steg", "C", "NORMAL", ID_PROGRESS_STEP);

    // Trackbars, across and upright: range 0..maximum, page size, position.
    Across = vu_Trackbar(window, "H", 10, 270, 300, 40, "NORMAL", 20, 5, 8);
    Upright = vu_Trackbar(window, "V", 430, 10, 44, 200, "SUNKEN", 10, 2, 3);

    // A status bar along the bottom, in three parts.
    Status = vu_StatusBar(window, "BARSIZEGRIP");
    vu_StatusBarPartText(Status, 1, 200, "SUNKEN", "Del 1: nedsänkt");
    vu_StatusBarPartText(Status, 2, 200, "FLAT", "Del 2: platt");
    vu_StatusBarPartText(Status, 3, 200, "BAR", "Del 3");
}

void Command(HWND window, int id)
{
    if (id != ID_PROGRESS_STEP) return;
    vu_ProgressStep(Progress);
    SetStatus(window, "Förloppet tog ett steg", -1);
}

LRESULT OtherMessage(HWND window, UINT message, WPARAM wparam, LPARAM lparam)
{
    switch (message) {
    case WM_HSCROLL:
    case WM_VSCROLL: {
        HWND bar = reinterpret_cast<HWND>(lparam);
        if (bar == Across || bar == Upright) {
            const int position = vu_TrackbarGet(bar, "SLIDERPOS");
            SetStatus(window, bar == Across ? "Vågrätt reglage:" : "Lodrätt reglage:", position);
            vu_StatusBarSetText(Status, 3, "BAR", bar == Across ? "Vågrätt" : "Lodrätt");
        }
        return 0;
    }
    case WM_NOTIFY: {
        // A click on the first column's header sorts; an edited first cell is kept.
        const NMHDR* header = reinterpret_cast<const NMHDR*>(lparam);
        vu_ListViewLabelEditNotify(List, window, header);
        vu_ListViewSortNotify(List, window, header);
        const int column = vu_ListViewColumnClicked(List, window, header);
        if (column >= 0) SetStatus(window, "Klick på kolumn", column);
        return 0;
    }
    }
    return DefWindowProcA(window, message, wparam, lparam);
}

}  // namespace

const Page ListsPage = {CMD_PAGE_LISTS, "&Listor", "Galleri - Listor",
                        Build, nullptr, Command, OtherMessage};
