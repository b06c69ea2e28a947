// "Redigerare": the multi-line text editor with undo, the clipboard and the find dialog.
#include "gallery.h"

namespace {

HWND Editor;

const char* const Sample =
    "Det här är textredigeraren.\r\n"
    "\r\n"
    "Skriv, markera och prova knapparna ovanför:\r\n"
    "\tÅngra, klipp ut, kopiera, klistra in och markera allt.\r\n"
    "\"Sök...\" öppnar sökrutan; den letar från markeringen.\r\n"
    "\r\n"
    "Räksmörgås, blåbärssylt och åkerbär.\r\n";

void Build(HWND window)
{
    struct { const char* text; int id; } buttons[] = {
        {"Ångra", ID_EDITOR_UNDO},  {"Klipp ut", ID_EDITOR_CUT},
        {"Kopiera", ID_EDITOR_COPY}, {"Klistra in", ID_EDITOR_PASTE},
        {"Markera allt", ID_EDITOR_ALL}, {"Sök...", ID_EDITOR_FIND}};
    int x = 10;
    for (const auto& b : buttons) {
        vu_Button(window, x, 6, 96, 26, b.text, "C", "NORMAL", b.id);
        x += 104;
    }
    // No frame words here; 0 as the limit takes the platform's own maximum.
    Editor = vu_WordProcSimple(window, 10, 40, 620, 380, "VSCROLL", 0);
    vu_WordProcSetFont(Editor, SmallFont);
    vu_WordProcSetMargin(Editor, 6);
    vu_WordProcSetTabs(Editor, 8, 16);
    vu_WordProcSetText(Editor, Sample);
    vu_WordProcSelect(Editor, 1, 3);  // "Det": a first search text
}

void Find(HWND window, const char* direction)
{
    // Source 1: the text and the match-case box come from the find dialog's request.
    const int found = vu_WordProcFind(Editor, nullptr, 1, direction, "");
    if (found == 0) SetStatus(window, "Hittad på rad", vu_WordProcCaretLine(Editor));
    else SetStatus(window, "Inte hittad", -1);
}

void Command(HWND window, int id)
{
    switch (id) {
    case ID_EDITOR_UNDO: vu_WordProcUndo(Editor); break;
    case ID_EDITOR_CUT: vu_WordProcCut(Editor); break;
    case ID_EDITOR_COPY: vu_WordProcCopy(Editor); break;
    case ID_EDITOR_PASTE:
        if (vu_WordProcCanPaste()) vu_WordProcPaste(Editor);
        break;
    case ID_EDITOR_ALL: vu_WordProcSelectAll(Editor); break;
    case ID_EDITOR_FIND:
        // Modeless: the dialog stays open and reports through the registered message.
        if (!FindBox || !IsWindow(FindBox)) FindBox = vu_FindDialog(window, Editor);
        return;
    case ID_EDITOR_FIND_DOWN: Find(window, "D"); return;
    case ID_EDITOR_FIND_UP: Find(window, "U"); return;
    default: return;
    }
    vu_WordProcSetFocus(Editor);
    SetStatus(window, vu_WordProcIsModified(Editor) ? "Ändrad text, tecken:" : "Tecken:",
              vu_WordProcGetTextLength(Editor));
}

LRESULT OtherMessage(HWND window, UINT message, WPARAM wparam, LPARAM lparam)
{
    static const UINT FindMessage = RegisterWindowMessageA("commdlg_FindReplace");
    if (message == FindMessage && FindMessage != 0) {
        // Turns the dialog's "Sök nästa" into ID_EDITOR_FIND_DOWN or _UP posted to the window.
        vu_FindMessage(window, FindBox, Editor, lparam, message, ID_EDITOR_FIND_UP,
                       ID_EDITOR_FIND_DOWN);
        return 0;
    }
    return DefWindowProcA(window, message, wparam, lparam);
}

}  // namespace

const Page EditorPage = {CMD_PAGE_EDITOR, "R&edigerare", "Galleri - Redigerare",
                         Build, nullptr, Command, OtherMessage};
