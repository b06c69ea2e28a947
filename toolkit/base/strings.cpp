// Text helpers on single-byte Windows-1252 texts: comparison with a difference record,
// copying, appending, length, case, character classes and line-feed counts.
#include <cstring>

#include "base/keyword.h"
#include "vu.h"

char vu_DiffSame[256];
char vu_DiffFirst[256];
char vu_DiffSecond[256];
int vu_DiffLength;

namespace {

const int kDiffSize = static_cast<int>(sizeof vu_DiffSame);

int Length(const char* text) { return static_cast<int>(std::strlen(vu::TextOrEmpty(text))); }

int Count(const char* text, char wanted)
{
    int count = 0;
    for (const char* p = vu::TextOrEmpty(text); *p; ++p)
        if (*p == wanted) ++count;
    return count;
}

// The byte at position, or 0 (the terminator) for a position outside the text.
unsigned char ByteAt(const char* text, int position)
{
    if (position < 0 || position >= Length(text)) return 0;
    return static_cast<unsigned char>(text[position]);
}

}  // namespace

int vu_StrCompare(const char* first, const char* second, int mode)
{
    first = vu::TextOrEmpty(first);
    second = vu::TextOrEmpty(second);
    if (mode == 0) return lstrcmpiA(first, second);
    if (mode == 1) return lstrcmpA(first, second);
    return 0;
}

int vu_StrCompareDiff(const char* first, const char* second, int mode)
{
    first = vu::TextOrEmpty(first);
    second = vu::TextOrEmpty(second);
    const int first_length = Length(first);
    const int second_length = Length(second);
    // The record holds 256 positions; those of a longer second text are not recorded.
    const int recorded = second_length < kDiffSize ? second_length : kDiffSize;
    for (int i = 0; i < recorded; ++i) vu_DiffSame[i] = vu_DiffFirst[i] = vu_DiffSecond[i] = '=';
    const int result = vu_StrCompare(first, second, mode);
    for (int i = 0; i < recorded; ++i) {
        if (i < first_length && first[i] == second[i])
            vu_DiffSame[i] = first[i];
        else if (i < first_length)
            vu_DiffFirst[i] = first[i];
        else
            vu_DiffSecond[i] = second[i];
    }
    vu_DiffLength = second_length - first_length;
    return result;
}

char* vu_StrAppend(char* destination, const char* text)
{
    if (destination == nullptr) return nullptr;
    return lstrcatA(destination, vu::TextOrEmpty(text));
}

char* vu_StrCopyN(char* destination, const char* source, int count)
{
    if (destination == nullptr) return nullptr;
    source = vu::TextOrEmpty(source);
    if (count <= 0) return lstrcpyA(destination, source);
    int i = 0;
    for (; i < count && source[i] != '\0'; ++i) destination[i] = source[i];
    destination[i] = '\0';
    return destination;
}

int vu_StrLength(const char* text) { return Length(text); }

int vu_StrCase(int mode, const char* fallback, char* text)
{
    if (mode != 0 && mode != 1) return Length(fallback);
    if (text == nullptr) return 0;
    if (mode == 0)
        CharLowerA(text);
    else
        CharUpperA(text);
    return Length(text);
}

int vu_CharClass(const char* text, int position)
{
    const unsigned char c = ByteAt(text, position);
    int result = c == ' ' ? 0 : 1;
    if (c >= '0' && c <= '9') result = 2;
    if ((c >= 'a' && c <= 'z') || (c >= 224 && c <= 254)) result = 3;
    if ((c >= 'A' && c <= 'Z') || (c >= 192 && c <= 223)) result = 4;
    if (c == 215 || c == 247) result = 1;  // multiplication and division signs
    return result;
}

int vu_CharAt(const char* text, int position)
{
    return static_cast<signed char>(ByteAt(text, position));
}

int vu_StrTextSize(const char* text) { return Length(text) + Count(text, '\n') + Count(text, '\t'); }

int vu_StrCountLines(const char* text) { return Count(text, '\n'); }

int vu_StrLastLine(const char* text) { return Count(text, '\n') - 1; }

char* vu_IntToText(char* destination, int value)
{
    if (destination == nullptr) return nullptr;
    wsprintfA(destination, "%i", value);
    return destination;
}
