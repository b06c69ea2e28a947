// vu_ColorDialog: the platform's colour chooser, opened with its custom-colour part, whose
// custom colours stay in vu_CustomColors from one call to the next.
#include "dialogs/dialog_libraries.h"
#include "vu.h"

#include <commdlg.h>

COLORREF vu_CustomColors[16] = {};

namespace {
CHOOSECOLORA g_request;
}  // namespace

COLORREF vu_ColorDialog(HWND owner)
{
    g_request = CHOOSECOLORA{};
    g_request.lStructSize = sizeof g_request;
    g_request.hwndOwner = owner;
    g_request.rgbResult = RGB(255, 255, 255);
    g_request.lpCustColors = vu_CustomColors;
    g_request.Flags = CC_RGBINIT | CC_FULLOPEN;
    return vu::on_demand::ChooseColorA(&g_request) ? g_request.rgbResult : 0;
}
