// The four built-in Swedish lists of file types offered by the file choosers, in the
// platform's filter format: display text and pattern alternate, each terminated, and one
// more terminator closes the list (the literal's own terminator is that last one).
#include "dialogs/filters.h"

#include <cstdlib>
#include <cstring>

#include "base/keyword.h"

namespace {

const char kAllFiles[] = "Alla filer (*.*)\0*.*\0";

const char kTextFiles[] =
    "Text filer (*.txt)\0*.TXT\0"
    "Alla filer (*.*)\0*.*\0";

const char kDocumentFiles[] =
    "Text filer (*.txt)\0*.TXT\0"
    "Write-dokument (*.wri)\0*.wri\0"
    "RTF-dokument (*.rtf)\0*.rtf\0"
    "Works filer (*.w*)\0*.w*\0"
    "Works-dokument (*.wps)\0*.wps\0"
    "Works-kalkylblad (*.wks)\0*.wks\0"
    "Works-databas (*.wdb)\0*.wdb\0"
    "World 6.0/95-dokument (*.doc)\0*.doc\0"
    "World 97-dokument (*.doc)\0*.doc\0"
    "Exel-kalkylblad (*.xl*)\0*.xl*\0"
    "dBase-databas (*.dbf)\0*.dbf\0"
    "Lotus 1-2-3 dokument(*.wk1)\0*.wk1\0"
    "HTML-dokument (*.htm*)\0*.htm*\0"
    "Alla filer (*.*)\0*.*\0";

const char kProgramFiles[] =
    "Programkod (*.c,*.cpp,*.h)\0*.CPP;*.C;*.H\0"
    "Resursfiler (*.rc,*.res,*.rh)\0*.RC;*.RES;*.RH\0"
    "Alla filer (*.*)\0*.*\0";

// Null list: the caller's own list.
const vu::Keyword<const char*> kFilters[] = {
    {"OWN_FILTER", nullptr},
    {"NONE_FILTER", kAllFiles},
    {"TXT_FILTER", kTextFiles},
    {"ALL_FILTER", kDocumentFiles},
    {"C_DEV_FILTER", kProgramFiles},
};

// The caller's list up to and including its closing empty entry, in a block of its own;
// null for no list at all or when no memory is left.
char* CopyFilterList(const char* own)
{
    if (own == nullptr || own[0] == '\0') return nullptr;
    const char* p = own;
    while (*p != '\0') p += std::strlen(p) + 1;
    const std::size_t size = static_cast<std::size_t>(p - own) + 1;
    char* copy = static_cast<char*>(std::malloc(size));
    if (copy != nullptr) std::memcpy(copy, own, size);
    return copy;
}

}  // namespace

namespace vu {

bool SelectFilter(const char* filter_word, const char* own, char** own_copy, const char** list)
{
    const Keyword<const char*>* row = FindKeyword(kFilters, filter_word);
    if (row == nullptr) return false;
    if (row->value != nullptr) {
        *list = row->value;
        return true;
    }
    // The record keeps the list for later calls with an unknown word, so it must not point
    // into the caller's memory, which may be gone by then. The old copy is freed only after
    // the new one is made: the caller may hand back the list it got before.
    char* copy = CopyFilterList(own);
    std::free(*own_copy);
    *own_copy = copy;
    *list = copy;
    return true;
}

}  // namespace vu
