// "Fält": edit fields in three alignments and several frames, a password field, a spin
// number field and the comboboxes.
#include "gallery.h"

namespace {

HWND Coloured;      // the field that WM_CTLCOLOREDIT paints in its own colours
HWND SpinField;
char SpinText[16];  // what the spin field shows; its limit is 3 characters
int SpinValue = 1;

void Build(HWND window)
{
    // Edit fields: alignment word and the most characters they take.
    HWND left = vu_Edit(window, 10, 40, 190, 24, "L", 40);
    vu_EditSetText(left, "Vänsterställd");
    HWND centre = vu_Edit(window, 220, 40, 190, 24, "C", 40);
    vu_EditSetText(centre, "Centrerad");
    Coloured = vu_Edit(window, 430, 40, 190, 24, "R", 40);
    vu_EditSetText(Coloured, "Högerställd i färg");
    // A replaced field keeps its text and gets another frame; the old handle is gone.
    HWND framed = vu_Edit(window, 10, 80, 190, 24, "L", 40);
    vu_EditSetText(framed, "Dubbel kant");
    vu_EditReframe(framed, 10, 80, 190, 24, "DOUBLE_EDGE", "L", 40);
    HWND reading = vu_Edit(window, 220, 80, 190, 24, "L", 40);
    vu_EditSetText(reading, "Skrivskyddad");
    vu_EditWritable(reading, "OFF");
    HWND secret = vu_EditPassword(window, 430, 80, 190, 24, 20);
    vu_EditSetText(secret, "hemligt");

    // A spin number field: its scroll bar steps the number (WM_VSCROLL below).
    SpinField = vu_Spin(window, 10, 130, 80, 24, "R", 3);
    SpinValue = 1;
    vu_SpinSetText(SpinField, "1");

    // Comboboxes: a drop-down list, a drop-down with an edit field, a sorted simple one.
    const char* fruits[] = {"Päron", "Äpple", "Banan", "Citron"};
    HWND list = vu_ComboBox(window, 120, 130, 150, 120, "READDROP");
    HWND writable = vu_ComboBox(window, 290, 130, 150, 120, "WRITEDROP");
    HWND simple = vu_ComboBox(window, 460, 130, 160, 110, "SIMPLESORT");
    for (const char* fruit : fruits) {
        vu_ComboBoxAddString(list, fruit);
        vu_ComboBoxAddString(writable, fruit);
        vu_ComboBoxAddString(simple, fruit);
    }
    // Entry 0 is the control's own text; entry n is the n-th item.
    vu_ComboBoxSetText(writable, 0, "Skriv här");
    vu_ComboBoxSetText(list, 1, "Först i listan");
}

void Command(HWND window, int id)
{
    // Keys typed into an edit or spin field arrive as commands with the key code as id.
    if (id < 256) SetStatus(window, "Tangent, kod", id);
}

LRESULT OtherMessage(HWND window, UINT message, WPARAM wparam, LPARAM lparam)
{
    switch (message) {
    case WM_VSCROLL:
        // The spin field steps the number: up towards 0, down upwards.
        SpinValue = vu_SpinStep(SpinField, LOWORD(wparam), reinterpret_cast<HWND>(lparam),
                                SpinText, SpinValue);
        SetStatus(window, "Talfältet visar", SpinValue);
        return 0;
    case WM_CTLCOLOREDIT:
        if (reinterpret_cast<HWND>(lparam) == Coloured)
            return reinterpret_cast<LRESULT>(vu_EditColor(Coloured, RGB(255, 255, 255),
                                                          RGB(0, 90, 160),
                                                          reinterpret_cast<HDC>(wparam),
                                                          reinterpret_cast<HWND>(lparam)));
        break;
    }
    return DefWindowProcA(window, message, wparam, lparam);
}

}  // namespace

const Page FieldsPage = {CMD_PAGE_FIELDS, "&Fält", "Galleri - Fält",
                         Build, nullptr, Command, OtherMessage};
