// "Dialoger": one button per standard dialog: the message boxes, the file and folder
// choosers, and the colour, font, print and resource dialogs.
#include "gallery.h"

#include <commdlg.h>  // only to read the print dialog's answer (vu_PrintRequest)

namespace {

HWND PrintButton;
HFONT ChosenFont;  // the font chooser's last answer (owned here)

void Build(HWND window)
{
    struct { const char* text; int id; } buttons[] = {
        {"Meddelande", ID_DIALOG_MESSAGE}, {"Fråga", ID_DIALOG_ASK},
        {"Öppna fil...", ID_DIALOG_OPEN},  {"Spara fil...", ID_DIALOG_SAVE},
        {"Välj mapp...", ID_DIALOG_FOLDER}, {"Färg...", ID_DIALOG_COLOUR},
        {"Typsnitt...", ID_DIALOG_FONT},   {"Skriv ut...", ID_DIALOG_PRINT},
        {"Egen dialog", ID_DIALOG_RESOURCE}};
    int i = 0;
    for (const auto& b : buttons) {
        HWND button = vu_Button(window, 20 + (i % 3) * 200, 20 + (i / 3) * 50, 180, 32, b.text,
                                "C", "NORMAL", b.id);
        if (b.id == ID_DIALOG_PRINT) PrintButton = button;
        ++i;
    }
}

void Command(HWND window, int id)
{
    switch (id) {
    case ID_DIALOG_MESSAGE: {
        // The text is the caller's buffer: option D would empty it once the box closes.
        static char text[] = "Det här är en meddelanderuta.";
        vu_MessageBox(window, "Galleri", text, "N");
        SetStatus(window, "Meddelanderutan stängdes", -1);
        return;
    }
    case ID_DIALOG_ASK: {
        // The upper-case word of the button set is the default button.
        const int answer = vu_MessageAsk(window, "Galleri", "Vill du fortsätta?", "QUESTION",
                                         "YES_no_cancel");
        SetStatus(window, "Svar (4 ja, 1 nej, 6 avbryt):", answer);
        return;
    }
    case ID_DIALOG_OPEN:
        // PATH puts the chosen path into the window's title; vu_OpenName holds the name.
        if (vu_FileOpenDialog(window, "Öppna en fil", "", "ALL_FILTER", nullptr) == 0)
            SetStatus(window, vu_OpenName, -1);
        return;
    case ID_DIALOG_SAVE:
        if (vu_FileSaveDialog(window, "Spara som", "", "TXT_FILTER", nullptr) == 0)
            SetStatus(window, vu_SavePath, -1);
        return;
    case ID_DIALOG_FOLDER: {
        char folder[MAX_PATH] = "";
        if (vu_FolderDialog(window, "Välj en mapp", folder, "FILSYSTEM") == 0)
            SetStatus(window, folder, -1);
        return;
    }
    case ID_DIALOG_COLOUR: {
        const COLORREF colour = vu_ColorDialog(window);
        vu_WindowBackColor(window, colour ? colour : RGB(236, 236, 228));
        return;
    }
    case ID_DIALOG_FONT: {
        // The chooser answers a new font, or the one it was given when cancelled.
        HFONT font = vu_FontDialog(window, "ON", "", ChosenFont ? ChosenFont : SmallFont);
        if (font != SmallFont && font != ChosenFont) {
            if (ChosenFont) DeleteObject(ChosenFont);
            ChosenFont = font;
            SetStatus(window, "Nytt typsnitt valt", -1);
        }
        return;
    }
    case ID_DIALOG_PRINT:
        // The dialog is owned by the given window's owner: give it the button.
        if (vu_PrintDialog(PrintButton)) {
            SetStatus(window, "Skrivare vald, kopior:", vu_PrintRequest.nCopies);
            DeleteDC(vu_PrintRequest.hDC);  // the device context is the caller's
        }
        return;
    case ID_DIALOG_RESOURCE:
        // Runs the dialog template MODAL_DIALOG of this program's resources.
        vu_ResourceDialog(window);
        return;
    }
}

}  // namespace

const Page DialogsPage = {CMD_PAGE_DIALOGS, "&Dialoger", "Galleri - Dialoger",
                          Build, nullptr, Command, nullptr};
