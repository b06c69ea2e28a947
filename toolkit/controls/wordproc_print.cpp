// vu_WordProcPrint: prints the text editor's text or its selection. The text is laid out anew
// for the page: a hidden edit control as wide as the page (in the editor's own font, shrunk by
// the scale factor) decides the line breaks, and each of its lines is drawn on the printer in
// a printer font grown by the same factor.
#include "controls/wordproc_print.h"

#include <windows.h>

#include <commdlg.h>

#include <algorithm>
#include <climits>
#include <cstring>
#include <string>
#include <vector>

#include "base/keyword.h"
#include "controls/wordproc.h"
#include "dialogs/font_record.h"
#include "vu.h"

namespace {

// Margins are given in units of 11 printer pixels.
constexpr long long kMarginUnit = 11;
// Characters fetched of one laid-out line; a longer one is printed up to there.
constexpr int kLineRoom = 2500;
// DrawTextA may add up to four characters to a line it is allowed to modify.
constexpr std::size_t kLineBuffer = kLineRoom + 5;
constexpr UINT kLineFormat = DT_WORDBREAK | DT_EXPANDTABS | DT_MODIFYSTRING;
// Hidden, read-only, multi-line and without horizontal scrolling, so its lines wrap at its
// width.
constexpr DWORD kLayoutStyle = WS_CHILD | ES_READONLY | ES_NOHIDESEL | ES_MULTILINE;
constexpr DWORD kLayoutExStyle = WS_EX_RIGHT | WS_EX_MDICHILD;
constexpr int kLayoutId = 1;
constexpr int kSmallestPercentage = 20;

enum Result { kDone = 0, kTooSmall = 1, kNoText = 2, kNoPage = 3 };

// The scale factor between the editor's font and the printer's: 3.7 at 100 %, 2.8 more per
// 100 % below that and 3.1 more per 100 % above.
float ScaleOf(int percentage)
{
    const float s = 0.01f * static_cast<float>(static_cast<long long>(percentage) - 100);
    return s < 0 ? 3.7f + 2.8f * s : 3.7f + 3.1f * s;
}

// Cut toward zero and held inside int, so that no extreme margin or size overflows.
int ToInt(double value)
{
    if (!(value > INT_MIN)) return INT_MIN;  // also NaN
    if (value > INT_MAX) return INT_MAX;
    return static_cast<int>(value);
}

int ToInt(long long value)
{
    return static_cast<int>(std::clamp<long long>(value, INT_MIN, INT_MAX));
}

// A device context of the default printer named by the system profile, or null.
HDC DefaultPrinter()
{
    char entry[121] = {};
    GetProfileStringA("windows", "device", ",,,", entry, sizeof entry);
    vu::wordproc::PrinterNames names;
    if (!vu::wordproc::SplitPrinterEntry(entry, &names)) return nullptr;
    return CreateDCA(names.driver.c_str(), names.device.c_str(), names.port.c_str(), nullptr);
}

// The text to print: the selection, or the whole text. Empty when there is none.
std::string TextToPrint(HWND editor, bool selection_only)
{
    std::string text = vu::wordproc::WholeText(editor);
    if (!selection_only) return text;
    DWORD start = 0, end = 0;
    SendMessageA(editor, EM_GETSEL, reinterpret_cast<WPARAM>(&start),
                 reinterpret_cast<LPARAM>(&end));
    end = std::min<DWORD>(end, static_cast<DWORD>(text.size()));
    if (start >= end) return std::string();
    return text.substr(start, end - start);
}

// Whether source 0 prints the selection: only when something is selected; the caret alone,
// wherever it stands, prints the whole text.
bool HasSelection(HWND editor)
{
    DWORD start = 0, end = 0;
    SendMessageA(editor, EM_GETSEL, reinterpret_cast<WPARAM>(&start),
                 reinterpret_cast<LPARAM>(&end));
    return end > start;
}

// The hidden edit control that lays the text out, a child of the editor at 0, 0.
HWND CreateLayout(HWND editor, int width, int height)
{
    HINSTANCE instance = reinterpret_cast<HINSTANCE>(GetWindowLongPtrA(editor, GWLP_HINSTANCE));
    HMENU id = reinterpret_cast<HMENU>(static_cast<INT_PTR>(kLayoutId));
    HWND layout = CreateWindowExA(kLayoutExStyle, "EDIT", "", kLayoutStyle, 0, 0, width, height,
                                  editor, id, instance, nullptr);
    // The platform makes WS_EX_MDICHILD windows only inside an MDI client, and the editor is
    // none: there the layout is made without it rather than the job failing.
    if (layout == nullptr)
        layout = CreateWindowExA(kLayoutExStyle & ~WS_EX_MDICHILD, "EDIT", "", kLayoutStyle, 0,
                                 0, width, height, editor, id, instance, nullptr);
    return layout;
}

// Everything one job holds; released in reverse order however the job ends. The given font
// stays the caller's, and the print dialog's device context is the record's until the job
// has printed on it.
struct Job {
    HCURSOR kept_cursor = nullptr;
    HDC dc = nullptr;
    bool owns_dc = false;
    HGDIOBJ dc_font = nullptr;  // the printer's font before the job selected any
    HWND layout = nullptr;
    HFONT printer_font = nullptr;

    ~Job()
    {
        if (layout) DestroyWindow(layout);
        // Deselect the job's fonts first: a font still selected cannot be deleted.
        if (dc && dc_font) SelectObject(dc, dc_font);
        if (printer_font) DeleteObject(printer_font);
        if (dc && owns_dc) DeleteDC(dc);
        SetCursor(kept_cursor);
    }
};

// The printer font: the given font's printer metrics grown by the scale factor, with the
// face and effects of the font chooser's record.
HFONT MakePrinterFont(const TEXTMETRICA& given, float scale)
{
    const double grow = static_cast<double>(scale) - 0.5;
    const LOGFONTA& record = vu::font_record;
    char face[LF_FACESIZE] = {};
    lstrcpynA(face, record.lfFaceName, LF_FACESIZE);
    return CreateFontA(ToInt(0.94 * grow * given.tmHeight), ToInt(grow * given.tmAveCharWidth),
                       record.lfEscapement, record.lfOrientation, given.tmWeight,
                       record.lfItalic, record.lfUnderline, record.lfStrikeOut, ANSI_CHARSET, 0,
                       0, 0, given.tmPitchAndFamily, face);
}

struct Page {
    HDC dc;
    HWND layout;
    HFONT font;
    long long lines;      // laid-out lines in all
    long long per_page;   // at least 1
    long long height;     // of one line, at least 1
    long long left, top;  // printer pixels
    int average_width;
};

// Prints page number p (from 0); false when the printer refused to start it.
bool PrintPage(const Page& page, long long p, std::vector<char>& line)
{
    if (StartPage(page.dc) < 0) return false;
    SelectObject(page.dc, page.font);
    for (long long i = 0; i < page.per_page; ++i) {
        const long long n = page.per_page * p + i;
        if (n > page.lines - 1) break;
        std::fill(line.begin(), line.end(), '\0');
        const WORD room = kLineRoom;  // EM_GETLINE reads the room from the buffer's first word
        std::memcpy(line.data(), &room, sizeof room);
        const int length = static_cast<int>(std::clamp<LRESULT>(
            SendMessageA(page.layout, EM_GETLINE, static_cast<WPARAM>(n),
                         reinterpret_cast<LPARAM>(line.data())),
            0, kLineRoom));
        RECT box;
        box.left = ToInt(page.left);
        box.top = ToInt(page.top + page.height * i);
        box.right = ToInt(page.left + 4LL * length * page.average_width);
        box.bottom = ToInt(page.top + page.height * (i + 1));
        DrawTextA(page.dc, line.data(), length, &box, kLineFormat);
    }
    EndPage(page.dc);
    return true;
}

}  // namespace

namespace vu {
namespace wordproc {

bool SplitPrinterEntry(const char* entry, PrinterNames* names)
{
    const std::string text = TextOrEmpty(entry);
    const std::size_t comma = text.find(',');
    if (comma == std::string::npos) return false;
    names->device = text.substr(0, comma);
    std::size_t at = comma + 1;
    auto next = [&](std::string* name) {
        const std::size_t first = text.find_first_not_of(", ", at);
        if (first == std::string::npos) {
            name->clear();
            at = text.size();
            return;
        }
        const std::size_t past = std::min(text.find_first_of(", ", first), text.size());
        *name = text.substr(first, past - first);
        at = past;
    };
    next(&names->driver);
    next(&names->port);
    return !names->device.empty() && !names->driver.empty() && !names->port.empty();
}

}  // namespace wordproc
}  // namespace vu

int vu_WordProcPrint(HWND editor, int left, int top, int right, int bottom, const char* document,
                     int percentage, HFONT font, int source)
{
    Job job;
    job.kept_cursor = SetCursor(LoadCursorA(nullptr, IDC_WAIT));
    if (percentage < kSmallestPercentage) return kTooSmall;

    const float scale = ScaleOf(percentage);
    HFONT given_font = vu::wordproc::FontOf(font);
    if (source == 1) {
        job.dc = vu_PrintRequest.hDC;
    } else if (source == 0) {
        job.dc = DefaultPrinter();
        job.owns_dc = true;
    }
    if (job.dc == nullptr) return kNoPage;

    SetMapMode(job.dc, MM_TEXT);
    job.dc_font = GetCurrentObject(job.dc, OBJ_FONT);
    SelectObject(job.dc, given_font);
    TEXTMETRICA given = {};
    GetTextMetricsA(job.dc, &given);
    const long long page_width = GetDeviceCaps(job.dc, HORZRES);
    const long long page_height = GetDeviceCaps(job.dc, VERTRES);

    job.layout = CreateLayout(
        editor, std::max(0, ToInt(static_cast<double>(page_width - kMarginUnit * right) / scale)),
        std::max(0, ToInt(static_cast<double>(page_height + kMarginUnit * top) / (0.94 * scale))));

    const bool selection_only =
        source == 1 ? (vu_PrintRequest.Flags & PD_SELECTION) != 0 : HasSelection(editor);
    const std::string text = TextToPrint(editor, selection_only);
    if (text.empty() || job.layout == nullptr) return kNoText;
    SendMessageA(job.layout, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
    SendMessageA(job.layout, WM_SETFONT, reinterpret_cast<WPARAM>(given_font), TRUE);
    const long long lines = SendMessageA(job.layout, EM_GETLINECOUNT, 0, 0);
    if (lines <= 0) return kNoText;

    job.printer_font = MakePrinterFont(given, scale);
    SelectObject(job.dc, job.printer_font);
    TEXTMETRICA printer = {};
    GetTextMetricsA(job.dc, &printer);
    Page page = {};
    page.dc = job.dc;
    page.layout = job.layout;
    page.font = job.printer_font;
    page.lines = lines;
    page.height = std::max<long long>(1, printer.tmHeight + printer.tmExternalLeading);
    // A page too small for one line still carries one: the text is not lost.
    page.per_page = std::max<long long>(1, (page_height - kMarginUnit * bottom) / page.height);
    page.left = kMarginUnit * left;
    page.top = kMarginUnit * top;
    page.average_width = printer.tmAveCharWidth;
    const long long pages = (lines + page.per_page - 1) / page.per_page;

    DOCINFOA info = {};
    info.cbSize = sizeof info;
    info.lpszDocName = vu::TextOrEmpty(document);
    int result = kDone;
    if (StartDocA(job.dc, &info) > 0) {
        const bool from_dialog = source == 1;
        const long long copies = from_dialog ? std::max<WORD>(vu_PrintRequest.nCopies, 1) : 1;
        const bool collate = from_dialog && (vu_PrintRequest.Flags & PD_COLLATE) != 0;
        // Collated: the whole run once per copy; else each page once per copy in a row.
        const long long runs = collate ? copies : 1;
        const long long repeats = collate ? 1 : copies;
        std::vector<char> line(kLineBuffer);
        for (long long run = 0; run < runs && result == kDone; ++run)
            for (long long p = 0; p < pages && result == kDone; ++p)
                for (long long r = 0; r < repeats && result == kDone; ++r)
                    if (!PrintPage(page, p, line)) result = kNoPage;
    } else {
        result = kNoPage;  // a job the printer refused printed nothing: no success to report
    }
    EndDoc(job.dc);
    // The job has printed on the print dialog's device context: it goes with the job, and
    // the record must not offer it again.
    if (source == 1) {
        job.owns_dc = true;
        vu_PrintRequest.hDC = nullptr;
    }
    return result;
}
