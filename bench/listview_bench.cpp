// Times the list view's delimited export and import on the largest file the import takes
// (30,000 characters) and prints the time per row. Run it through Wine on a display.
#include <windows.h>

#include <cstdio>
#include <string>

#include "vu.h"

LRESULT CALLBACK MainWindowProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam)
{
    return DefWindowProcA(window, message, wparam, lparam);
}

namespace {

double Seconds()
{
    LARGE_INTEGER now, frequency;
    QueryPerformanceCounter(&now);
    QueryPerformanceFrequency(&frequency);
    return static_cast<double>(now.QuadPart) / static_cast<double>(frequency.QuadPart);
}

void Report(const char* what, double seconds, int rows)
{
    std::printf("%-28s %6d rows  %8.3f s  %8.1f us/row\n", what, rows, seconds,
                seconds * 1e6 / rows);
}

// Fills the list view with rows of 29 characters and a line end each, then times one
// export and one import of them; returns false when either failed.
bool Run(HWND list, int rows, const std::string& path)
{
    vu_ListViewDeleteAllRows(list);
    for (int r = 1; r <= rows; ++r) {
        char first[16];
        std::snprintf(first, sizeof first, "rad%06d", r);
        vu_ListViewAddCell(list, first, r, 0);
        vu_ListViewAddCell(list, "ABCDEFGHIJ", r, 1);
        vu_ListViewAddCell(list, "klmnopq", r, 2);
    }
    char label[64];
    double start = Seconds();
    const int saved = vu_ListViewSaveFile(list, "WRITE", path.c_str(), 3, "COMMA");
    std::snprintf(label, sizeof label, "export %d characters", rows * 30);
    Report(label, Seconds() - start, rows);

    start = Seconds();
    const int loaded = vu_ListViewLoadFile(list, "WRITE", path.c_str(), 3, "COMMA");
    std::snprintf(label, sizeof label, "import %d characters", rows * 30);
    Report(label, Seconds() - start, vu_ListViewGetRowCount(list));
    return saved == 0 && loaded == 0 && vu_ListViewGetRowCount(list) == rows;
}

}  // namespace

int main()
{
    HWND parent = vu_WindowCreate(GetModuleHandleA(nullptr), "Listvy-mätning", 0, 0, 640, 480,
                                  "CLO");
    HWND list = vu_ListView(parent, 0, 0, 0, 0);
    for (int c = 0; c < 3; ++c) vu_ListViewInsertColumn(list, 100, "L", "Kolumn", c);
    char folder[MAX_PATH];
    GetTempPathA(MAX_PATH, folder);
    const std::string path = std::string(folder) + "listview_bench.txt";

    // The last size is the largest file the import takes; the smaller ones show that the
    // time per row stays the same as the file grows.
    bool ok = true;
    for (int rows : {250, 500, 1000}) ok = Run(list, rows, path) && ok;
    std::printf("%s\n", ok ? "all exports and imports succeeded" : "an export or import FAILED");
    DeleteFileA(path.c_str());
    DestroyWindow(parent);
    return ok ? 0 : 1;
}
