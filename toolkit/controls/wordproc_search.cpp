// The text editor's search. A window as long as the selection (or as the search text, when
// nothing is selected) moves one character at a time, before each comparison, towards the end
// or the start of the text; the first window that compares equal to the search text with the
// platform's comparison (lstrcmpA, or lstrcmpiA ignoring case) is selected.
//
// The text is read once, and each window is compared in place. Most windows are told apart
// without calling the platform at all: a byte that the platform's collation weighs as one
// ordinary character ("plain") compares like its class of equal characters, so two strings of
// plain bytes are equal exactly when they are equally long and their class sequences agree,
// which rolling hashes decide in constant time per window. Windows whose hash agrees, and every
// window that holds a byte the collation treats otherwise (ignorable characters, hyphens and
// apostrophes, ligatures that count as two letters), are compared by the platform itself, so
// the answer is always the platform's.
#include <windows.h>
#include <commdlg.h>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "base/keyword.h"
#include "controls/wordproc.h"
#include "vu.h"

namespace {

// Classes of the bytes 1..255 under both comparisons; 0 marks a byte that is not plain.
struct Collation {
    LCID locale = 0;
    bool ready = false;
    unsigned char exact[256] = {};
    unsigned char folded[256] = {};
};

using Compare = int(WINAPI*)(LPCSTR, LPCSTR);

// True when the collation weighs the byte as one ordinary character: its sort key holds
// exactly one primary weight and no special weight (hyphens and apostrophes have none of the
// first and one of the second; ligatures have two primary weights; ignorable bytes nothing).
bool IsPlain(LCID locale, unsigned char byte)
{
    const char text[1] = {static_cast<char>(byte)};
    unsigned char key[64] = {};
    int size = LCMapStringA(locale, LCMAP_SORTKEY | LOCALE_USE_CP_ACP, text, 1,
                            reinterpret_cast<char*>(key), sizeof key);
    if (size == 0)
        size = LCMapStringA(locale, LCMAP_SORTKEY, text, 1, reinterpret_cast<char*>(key),
                            sizeof key);
    if (size < 3 || key[0] == 0x01 || key[2] != 0x01) return false;
    // Sections: primary, diacritic and case weights, each ended by 0x01, then the special
    // weights (and the platform's extra weights, where it has them): none of those allowed.
    int section = 0;
    for (int i = 0; i < size && key[i] != 0x00; ++i) {
        if (key[i] == 0x01)
            ++section;
        else if (section >= 3)
            return false;
    }
    return section >= 3;
}

// Sorts the bytes by the platform's comparison (a merge sort, which stays within its bounds
// whatever the comparison answers) and numbers the runs of equal bytes from 1.
void NumberClasses(const std::vector<unsigned char>& bytes, Compare compare,
                   unsigned char* classes)
{
    auto cmp = [compare](unsigned char a, unsigned char b) {
        const char x[2] = {static_cast<char>(a), 0}, y[2] = {static_cast<char>(b), 0};
        return compare(x, y);
    };
    std::vector<unsigned char> order(bytes), merged(bytes.size());
    for (std::size_t width = 1; width < order.size(); width *= 2) {
        for (std::size_t low = 0; low < order.size(); low += 2 * width) {
            const std::size_t mid = std::min(low + width, order.size());
            const std::size_t high = std::min(low + 2 * width, order.size());
            std::size_t i = low, j = mid, k = low;
            while (i < mid && j < high)
                merged[k++] = cmp(order[j], order[i]) < 0 ? order[j++] : order[i++];
            while (i < mid) merged[k++] = order[i++];
            while (j < high) merged[k++] = order[j++];
        }
        order.swap(merged);
    }
    unsigned char next = 0;
    for (std::size_t i = 0; i < order.size(); ++i) {
        if (i == 0 || cmp(order[i - 1], order[i]) != 0) ++next;
        classes[order[i]] = next;
    }
}

// The classes of the comparison's locale, worked out once per locale.
const Collation& CollationNow()
{
    static Collation collation;
    const LCID locale = GetThreadLocale();
    if (collation.ready && collation.locale == locale) return collation;
    collation = Collation();
    std::vector<unsigned char> plain;
    for (int byte = 1; byte < 256; ++byte)
        if (IsPlain(locale, static_cast<unsigned char>(byte)))
            plain.push_back(static_cast<unsigned char>(byte));
    NumberClasses(plain, lstrcmpA, collation.exact);
    NumberClasses(plain, lstrcmpiA, collation.folded);
    collation.locale = locale;
    collation.ready = true;
    return collation;
}

// The text read once, with what each window needs: prefix hashes of the class sequence and
// prefix counts of bytes that are not plain.
class Windows {
public:
    Windows(std::string text, const std::string& pattern, bool match_case)
        : text_(std::move(text)), pattern_(pattern), match_case_(match_case)
    {
        const Collation& collation = CollationNow();
        const unsigned char* classes = match_case ? collation.exact : collation.folded;
        const std::size_t size = text_.size();
        hash_.assign(size + 1, 0);
        odd_.assign(size + 1, 0);
        for (std::size_t i = 0; i < size; ++i) {
            const unsigned char c = classes[static_cast<unsigned char>(text_[i])];
            hash_[i + 1] = hash_[i] * kBase + c;
            odd_[i + 1] = odd_[i] + (c == 0);
        }
        pattern_plain_ = true;
        for (char ch : pattern_) {
            const unsigned char c = classes[static_cast<unsigned char>(ch)];
            pattern_plain_ = pattern_plain_ && c != 0;
            pattern_hash_ = pattern_hash_ * kBase + c;
            power_ *= kBase;
        }
    }

    // Whether the characters [start, end) of the text, as far as the text reaches, compare
    // equal to the search text. 0 <= start <= end.
    bool Equal(long long start, long long end)
    {
        const std::size_t size = text_.size();
        const std::size_t a = static_cast<std::size_t>(std::min<long long>(start, size));
        const std::size_t b = static_cast<std::size_t>(std::min<long long>(end, size));
        if (pattern_plain_ && odd_[b] == odd_[a]) {
            if (b - a != pattern_.size()) return false;
            if (hash_[b] - hash_[a] * power_ != pattern_hash_) return false;
        }
        // The platform decides: the window as a string of its own, ended where it ends.
        const char kept = text_[b];
        text_[b] = '\0';
        const int order = match_case_ ? lstrcmpA(text_.c_str() + a, pattern_.c_str())
                                      : lstrcmpiA(text_.c_str() + a, pattern_.c_str());
        text_[b] = kept;
        return order == 0;
    }

private:
    static constexpr std::uint64_t kBase = 0x100000001B3ULL;
    std::string text_;
    const std::string& pattern_;
    bool match_case_;
    std::vector<std::uint64_t> hash_;
    std::vector<std::uint32_t> odd_;
    bool pattern_plain_ = true;
    std::uint64_t pattern_hash_ = 0;
    std::uint64_t power_ = 1;
};

// The search text and case choice of the last find notification; none gives the empty text.
std::string RequestedText(bool* match_case)
{
    const FINDREPLACEA* request = vu_FindRequest;
    *match_case = request != nullptr && (request->Flags & FR_MATCHCASE) != 0;
    if (request == nullptr || request->lpstrFindWhat == nullptr) return std::string();
    const char* what = request->lpstrFindWhat;
    return std::string(what, strnlen(what, request->wFindWhatLen));
}

}  // namespace

int vu_WordProcFind(HWND editor, const char* text, int source, const char* direction,
                    const char* match)
{
    bool match_case = vu::IsWord(match, "M");
    const std::string pattern = source == 1 ? RequestedText(&match_case)
                                            : std::string(vu::TextOrEmpty(text));

    // The length that a buffer of the editor's limit would take in.
    std::string whole = vu::wordproc::WholeText(editor);
    const unsigned limit = vu::wordproc::LimitOf(editor);
    const long long n =
        limit == 0 ? 0 : std::min<long long>(static_cast<long long>(whole.size()), limit - 1LL);
    if (n == 0) return 3;

    DWORD sel_start = 0, sel_end = 0;
    SendMessageA(editor, EM_GETSEL, reinterpret_cast<WPARAM>(&sel_start),
                 reinterpret_cast<LPARAM>(&sel_end));
    const bool down = vu::IsWord(direction, "D"), up = vu::IsWord(direction, "U");
    long long start = sel_start, end = sel_end;
    const long long length = static_cast<long long>(pattern.size());
    if (start == end) {
        if (length == 0) return 2;
        if (up) start -= length;
        if (down) end += length;
    }

    const int step = down ? 1 : up ? -1 : 0;
    // A window that does not move compares the same at every step: one step tells.
    const long long steps = step == 0 ? 1 : n;
    Windows windows(std::move(whole), pattern, match_case);
    for (long long i = 0; i < steps; ++i) {
        start += step;
        end += step;
        if (start < 0) return -1;
        if (windows.Equal(start, end)) {
            SendMessageA(editor, EM_SETSEL, static_cast<WPARAM>(start),
                         static_cast<LPARAM>(end));
            SendMessageA(editor, EM_SCROLLCARET, 0, 0);
            return 0;
        }
        if (end > n) return 1;
    }
    return 1;
}
