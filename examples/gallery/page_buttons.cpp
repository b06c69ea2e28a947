// "Knappar": push buttons in every frame, check and radio buttons in a group box, up-down
// controls, the picture buttons and a toolbar.
#include "gallery.h"

namespace {

HWND VerticalUpDown;
HWND HorizontalUpDown;
HWND OwnerDrawn;

void Build(HWND window)
{
    // A toolbar along the top: images are bitmap resources of this program, 16 x 15.
    HWND toolbar = vu_Toolbar(window, "BORDER", 28);
    vu_ToolbarAddButton(toolbar, "PUSH", "ACTIVE", "", "GAL_TOOL1", 0, ID_TOOL_SQUARE);
    vu_ToolbarAddButton(toolbar, "PUSHDOWN", "ACTIVE", "", "GAL_TOOL2", 0, ID_TOOL_DISC);
    vu_ToolbarAddSeparator(toolbar, "SPACE", "SIDE", 8);
    vu_ToolbarAddButton(toolbar, "PUSHDOWNGROUP", "ACTIVEDOWN", "", "GAL_TOOL3", 0, ID_TOOL_CROSS);
    vu_ToolbarAddButton(toolbar, "PUSHDOWNGROUP", "ACTIVE", "", "GAL_TOOL4", 0, ID_TOOL_TRIANGLE);

    // Push buttons: text alignment word, then frame word, then the id of their WM_COMMAND.
    vu_Button(window, 10, 40, 110, 28, "Vanlig", "C", "NORMAL", ID_PUSH_NORMAL);
    vu_Button(window, 130, 40, 110, 28, "Skugga", "L", "SHADOW", ID_PUSH_SHADOW);
    vu_Button(window, 250, 40, 110, 28, "Nedsänkt", "R", "SUNKEN", ID_PUSH_SUNKEN);
    vu_Button(window, 370, 40, 110, 28, "Kant", "LB", "EDGE_SHADOW", ID_PUSH_EDGE);
    HWND off = vu_Button(window, 490, 40, 110, 28, "Avstängd", "C", "NORMAL", ID_PUSH_DISABLED);
    vu_ButtonDisable(off);

    // Check buttons size themselves to their text; radio buttons of one group exclude each other.
    vu_GroupBox(window, 10, 80, 300, 110, "Kryssrutor och radioknappar");
    HWND square = vu_CheckButton(window, 24, 102, "SQUARE", "Kryssruta", ID_CHECK_SQUARE);
    vu_CheckButtonCheck(square);
    HWND first = vu_CheckButton(window, 24, 130, "ROUND", "Alternativ A", ID_CHECK_ROUND_A);
    vu_CheckButton(window, 24, 156, "ROUND", "Alternativ B", ID_CHECK_ROUND_B);
    vu_CheckButtonCheck(first);

    // Up-down controls: limits 0..10 and position 5; they report with WM_VSCROLL / WM_HSCROLL.
    vu_GroupBox(window, 330, 80, 300, 110, "Upp och ner");
    VerticalUpDown = vu_UpDown(window, 350, 104, 20, 40, "B", 10, 0, 5);
    HorizontalUpDown = vu_UpDownHorz(window, 400, 114, 40, 20, "", 10, 0, 5);

    // Picture buttons: a push button given a bitmap, an icon or a system icon ...
    vu_GroupBox(window, 10, 200, 620, 90, "Bildknappar");
    HWND picture = vu_Button(window, 24, 222, 64, 52, "", "C", "NORMAL", ID_PICTURE_BITMAP);
    vu_PicButtonSetBitmap(picture, "C", "GAL_PICTURE");
    HWND icon = vu_Button(window, 100, 222, 52, 52, "", "C", "NORMAL", ID_PICTURE_ICON);
    vu_PicButtonSetIcon(icon, "C", "GAL_ICON");
    HWND system = vu_Button(window, 164, 222, 52, 52, "", "C", "NORMAL", ID_PICTURE_SYSTEM);
    vu_PicButtonSetSystemIcon(system, "C", "QUESTION");
    // ... and an owner-drawn button that the window paints on WM_DRAWITEM.
    OwnerDrawn = vu_PicButton(window, 240, 234, 96, 28, "B", ID_PICTURE_OWNER);
}

void Command(HWND window, int id)
{
    if (id == ID_CHECK_SQUARE) {
        // The low two bits of the state word are the check state.
        const int state = vu_CheckButtonGetState(GetDlgItem(window, id)) & 3;
        SetStatus(window, state ? "Kryssrutan är ikryssad" : "Kryssrutan är tom", -1);
        return;
    }
    SetStatus(window, "Klick på kontroll", id);
}

LRESULT OtherMessage(HWND window, UINT message, WPARAM wparam, LPARAM lparam)
{
    switch (message) {
    case WM_VSCROLL:
    case WM_HSCROLL: {
        // Each up-down control answers -1 for messages that are not its own.
        const int vertical = vu_UpDownPos(VerticalUpDown, wparam, lparam);
        const int horizontal = vu_UpDownHorzPos(HorizontalUpDown, wparam, lparam);
        if (vertical >= 0) SetStatus(window, "Lodrät upp-ner:", vertical);
        if (horizontal >= 0) SetStatus(window, "Vågrät upp-ner:", horizontal);
        return 0;
    }
    case WM_DRAWITEM:
        // The pressed picture while the button is held down, the normal one otherwise.
        vu_PicButtonDraw(OwnerDrawn, ID_PICTURE_OWNER,
                         reinterpret_cast<const DRAWITEMSTRUCT*>(lparam), "GAL_NORMAL",
                         "GAL_PRESSED");
        return TRUE;
    case WM_NOTIFY: {
        // The toolbar asks for the tip of the button under the pointer.
        struct tagNMTTDISPINFOA* tip = reinterpret_cast<struct tagNMTTDISPINFOA*>(lparam);
        vu_ToolbarTipText(tip, ID_TOOL_SQUARE, "Fyrkant");
        vu_ToolbarTipText(tip, ID_TOOL_DISC, "Cirkel (håller sig nedtryckt)");
        vu_ToolbarTipText(tip, ID_TOOL_CROSS, "Kryss (en av två)");
        vu_ToolbarTipText(tip, ID_TOOL_TRIANGLE, "Triangel (en av två)");
        return 0;
    }
    }
    return DefWindowProcA(window, message, wparam, lparam);
}

}  // namespace

const Page ButtonsPage = {CMD_PAGE_BUTTONS, "&Knappar", "Galleri - Knappar",
                          Build, nullptr, Command, OtherMessage};
