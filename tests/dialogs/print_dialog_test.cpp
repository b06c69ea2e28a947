// The print dialog: owned by the given window's owner, answering 1 with the printer's device
// context in vu_PrintRequest when confirmed and 0 when cancelled.
#include <gtest/gtest.h>

#include <cstdlib>

#include "dialog_driver.h"

#include <commdlg.h>

using namespace vu_test;

TEST(PrintDialog, ConfirmedGivesThePrintersContextAndCancelledGivesZero)
{
    const struct { int button; int result; } rows[] = {{IDCANCEL, 0}, {IDOK, 1}};
    Window top("Utskrift");
    HWND child = vu_Button(top, 10, 10, 80, 24, "Skriv ut", "C", "NORMAL", 300);
    for (const auto& row : rows) {
        if (row.button == IDOK && std::getenv("VU_PRINTER") == nullptr) GTEST_SKIP() << "no printer in this run";
        std::string seen;
        DialogDriver driver([&](HWND d) {
            seen = TextOf(d) + "|" + ItemText(d, 0x482) + (IsWindowVisible(GetDlgItem(d, 0x410)) ? "|to file" : "");
            ClickItem(d, row.button);
        }, top);  // the child's owner
        EXPECT_EQ(vu_PrintDialog(child), row.result) << row.button;
        EXPECT_TRUE(driver.found());
        EXPECT_EQ(seen, "Print|1");  // one copy; printing to a file hidden
        EXPECT_EQ(vu_PrintRequest.hDC != nullptr, row.result == 1);
        if (vu_PrintRequest.hDC == nullptr) continue;
        EXPECT_EQ(GetDeviceCaps(vu_PrintRequest.hDC, TECHNOLOGY), DT_RASPRINTER);
        DeleteDC(vu_PrintRequest.hDC);
        vu_PrintRequest.hDC = nullptr;
    }
}
