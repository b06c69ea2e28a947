// The copy rows: section names, row stepping with the row field's arrows, and loading and
// saving one row's paths.
#include "rows.h"

#include "main_window.h"
#include "vu.h"

const char SettingsFile[] = "vindrul.ini";

int CurrentRow = kFirstRow;
char RowSection[kLastRow + 1][2];
char FromText[kPathSize];
char ToText[kPathSize];

void FillRowSections()
{
    static const char* const kDigits[kLastRow + 1] = {"", "1", "2", "3", "4",
                                                      "5", "6", "7", "8", "9"};
    for (int row = kFirstRow; row <= kLastRow; ++row)
        vu_StrCopyN(RowSection[row], kDigits[row], 1);
}

const char* RowName(int row)
{
    if (row < 0 || row > kLastRow) return nullptr;
    return RowSection[row];
}

int ReadRow(int row)
{
    const char* section = RowName(row);
    if (section == nullptr) {
        FromText[0] = '\0';
        ToText[0] = '\0';
        return 0;
    }
    const int from = vu_SettingsRead(SettingsFile, section, "From", FromText, kPathSize);
    vu_SettingsRead(SettingsFile, section, "To", ToText, kPathSize);
    return from;
}

// Puts FromText and ToText into the two path fields.
static void ShowTexts()
{
    vu_EditSetText(FromField, FromText);
    vu_EditSetText(ToField, ToText);
}

void StepRow(WPARAM wparam, LPARAM lparam)
{
    if (CurrentRow < kFirstRow) CurrentRow = kFirstRow;
    if (CurrentRow > kLastRow) CurrentRow = kLastRow;
    // The step may copy what was typed into the row field over the text it is given, so it
    // gets a copy of the row's name: the section names themselves never change. A typed
    // character therefore never selects a row; the field shows the row's digit again once
    // the arrow is released.
    char shown[sizeof RowSection[0]] = {RowSection[CurrentRow][0], '\0'};
    CurrentRow = vu_SpinStep(RowField, static_cast<int>(wparam), reinterpret_cast<HWND>(lparam),
                             shown, CurrentRow);
    ReadRow(CurrentRow);
    ShowTexts();
}

void ShowRow()
{
    ReadRow(CurrentRow);
    ShowTexts();
}

void SaveRow(HWND window)
{
    vu_EditGetText(FromField, FromText);
    vu_EditGetText(ToField, ToText);
    // Only the nine rows are ever written: while an arrow holds the row beyond either end
    // there is no row to save into.
    if (CurrentRow < kFirstRow || CurrentRow > kLastRow) return;
    const int from = vu_SettingsWrite(SettingsFile, RowSection[CurrentRow], "From", FromText);
    const int to = vu_SettingsWrite(SettingsFile, RowSection[CurrentRow], "To", ToText);
    if (from == 0 && to == 0) return;
    char text[] = "Kunde inte spara rad 0";
    text[sizeof text - 2] = RowSection[CurrentRow][0];
    vu_MessageBox(window, "ini-fel", text, "N");
}

void RowTyped()
{
    // Only what the user typed counts: texts the program sets clear the modified flag.
    if (!SendMessageA(RowField, EM_GETMODIFY, 0, 0)) return;
    SendMessageA(RowField, EM_SETMODIFY, FALSE, 0);
    char typed[4] = "";
    GetWindowTextA(RowField, typed, sizeof typed);
    if (typed[0] >= '0' + kFirstRow && typed[0] <= '0' + kLastRow && typed[1] == '\0') {
        CurrentRow = typed[0] - '0';
        ShowRow();
    }
    if (CurrentRow < kFirstRow) CurrentRow = kFirstRow;
    if (CurrentRow > kLastRow) CurrentRow = kLastRow;
    // The field always shows the row that is shown and saved; anything else typed goes.
    vu_SpinSetText(RowField, RowSection[CurrentRow]);
}
