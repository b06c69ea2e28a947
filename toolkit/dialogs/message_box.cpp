// The simple message box: a text, a caption and one OK button.
#include "base/keyword.h"
#include "vu.h"

int vu_MessageBox(HWND owner, const char* caption, char* text, const char* option)
{
    MessageBoxA(owner, vu::TextOrEmpty(text), vu::TextOrEmpty(caption), MB_OK);
    if (vu::IsWord(option, "D") && text != nullptr) text[0] = '\0';
    return 0;
}
