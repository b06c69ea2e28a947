// vu_FontDialog: the platform's font chooser, started from a given font, with the effects
// part and the script list switched by keywords.
#include "base/keyword.h"
#include "dialogs/dialog_libraries.h"
#include "dialogs/font_record.h"
#include "vu.h"

#include <commdlg.h>

namespace {

// Extra chooser flags by the effects word and by the script word.
const vu::Keyword<DWORD> kEffectsWords[] = {{"ON", CF_EFFECTS}};
const vu::Keyword<DWORD> kScriptWords[] = {{"OFF", CF_NOSCRIPTSEL}};

}  // namespace

// The font offered and chosen; it keeps the last one when a handle cannot be read.
LOGFONTA vu::font_record;

HFONT vu_FontDialog(HWND owner, const char* effects, const char* script, HFONT font)
{
    GetObjectA(font, sizeof vu::font_record, &vu::font_record);
    CHOOSEFONTA request = {};
    request.lStructSize = sizeof request;
    request.hwndOwner = owner;
    request.lpLogFont = &vu::font_record;
    request.Flags = CF_SCREENFONTS | CF_INITTOLOGFONTSTRUCT |
                    vu::KeywordValue(kEffectsWords, effects, DWORD{0}) |
                    vu::KeywordValue(kScriptWords, script, DWORD{0});
    if (!vu::on_demand::ChooseFontA(&request)) return font;
    return CreateFontIndirectA(&vu::font_record);
}
