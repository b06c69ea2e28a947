// List view files: every row written as one line of separator-ended cells, and such lines
// read back into rows. Both walk the file and the control once, so their time grows with
// the file's size alone.
#include <windows.h>

#include <commctrl.h>

#include <cstdio>

#include "base/keyword.h"
#include "controls/listview.h"
#include "vu.h"

namespace {

const vu::Keyword<char> kSeparators[] = {
    {"COMMA", ','}, {"POINT", '.'}, {"TAB", '\t'},  {"SPACE", ' '},
    {"STAR", '*'},  {"PLUS", '+'},  {"MINUS", '-'}, {"VLINE", '|'},
};

constexpr int kNoSeparator = -1;
constexpr int kExportCellBytes = 20;          // 19 characters of each cell are written
constexpr std::size_t kLargestImport = 30000;  // characters, as the text stream counts them
constexpr int kCellLimit = vu::listview::kCellBytes - 1;

// The export writes nothing for a word outside the table.
int ExportSeparator(const char* word)
{
    const vu::Keyword<char>* row = vu::FindKeyword(kSeparators, word);
    return row ? static_cast<unsigned char>(row->value) : kNoSeparator;
}

// The import splits on the first character of a word outside the table; an empty word has
// none, and then each line is read as one cell.
int ImportSeparator(const char* word)
{
    const vu::Keyword<char>* row = vu::FindKeyword(kSeparators, word);
    if (row) return static_cast<unsigned char>(row->value);
    return word && word[0] != '\0' ? static_cast<unsigned char>(word[0]) : kNoSeparator;
}

int RowCount(HWND list) { return static_cast<int>(SendMessageA(list, LVM_GETITEMCOUNT, 0, 0)); }

// The characters of the file as the text stream delivers them (a carriage return and line
// feed count as one); false on a read error.
bool CountCharacters(FILE* file, std::size_t* total)
{
    char block[4096];
    std::size_t got;
    *total = 0;
    while ((got = std::fread(block, 1, sizeof block, file)) > 0) *total += got;
    return !std::ferror(file);
}

// Builds rows from the characters of the file: cells end at the separator, a row ends
// after its last column's separator (the rest of that line is ignored) or at the end of its
// line; an empty line makes no row. Each row is inserted at the next index, in file order,
// ahead of the rows already there.
class RowReader {
public:
    RowReader(HWND list, int columns, int separator)
        : list_(list), columns_(columns), separator_(separator)
    {
        OpenRow();
    }

    void Take(char ch)
    {
        const int code = static_cast<unsigned char>(ch);
        if (code == separator_) {
            if (!skipping_) EndCell();
        } else if (ch == '\n') {
            if (!skipping_ && (column_ > 0 || length_ > 0)) EndRowAtLineEnd();
            skipping_ = false;
        } else if (!skipping_ && length_ < kCellLimit) {
            cell_[length_++] = ch;  // characters past a cell's limit are dropped
        }
    }

    // A last line without a line end ends there; the empty open row goes away.
    void Finish()
    {
        if (!skipping_ && (column_ > 0 || length_ > 0)) EndRowAtLineEnd();
        SendMessageA(list_, LVM_DELETEITEM, static_cast<WPARAM>(row_), 0);
    }

private:
    void OpenRow() { vu::listview::InsertDescribedRow(list_, row_, 0); }

    void SetCell()
    {
        cell_[length_] = '\0';
        vu::listview::SetCellText(list_, row_, column_, cell_);
        length_ = 0;
    }

    void EndCell()
    {
        SetCell();
        if (column_ == columns_ - 1) {
            NextRow();
            skipping_ = true;
        } else {
            ++column_;
        }
    }

    void EndRowAtLineEnd()
    {
        if (length_ > 0) SetCell();
        NextRow();
    }

    void NextRow()
    {
        ++row_;
        column_ = 0;
        length_ = 0;
        OpenRow();
    }

    HWND list_;
    int columns_;
    int separator_;
    int row_ = 0;
    int column_ = 0;
    int length_ = 0;
    bool skipping_ = false;
    char cell_[vu::listview::kCellBytes] = {};
};

}  // namespace

int vu_ListViewSaveFile(HWND list, const char* mode, const char* path, int columns,
                        const char* separator)
{
    if (columns < 1) return 0;  // no cells to write: the file is left alone
    FILE* file = path ? std::fopen(path, vu::IsWord(mode, "APPEND") ? "a" : "w") : nullptr;
    if (file == nullptr) return 2;
    const int split = ExportSeparator(separator);
    char text[kExportCellBytes];
    for (int row = 0;; ++row) {
        for (int column = 0; column < columns; ++column) {
            if (row >= RowCount(list)) return std::fclose(file) == 0 ? 0 : 3;
            text[0] = '\0';
            LVITEMA cell = {};
            cell.iSubItem = column;
            cell.pszText = text;
            cell.cchTextMax = kExportCellBytes;
            SendMessageA(list, LVM_GETITEMTEXTA, static_cast<WPARAM>(row),
                         reinterpret_cast<LPARAM>(&cell));
            text[kExportCellBytes - 1] = '\0';
            std::fputs(text, file);
            if (split != kNoSeparator) std::fputc(split, file);
            if (std::ferror(file)) {
                std::clearerr(file);
                std::fclose(file);
                return 3;
            }
        }
        std::fputc('\n', file);  // the text stream stores a carriage return and line feed
    }
}

int vu_ListViewLoadFile(HWND list, const char* mode, const char* path, int columns,
                        const char* separator)
{
    const bool replace = vu::IsWord(mode, "WRITE");
    if (columns < 1) return 0;  // no cells to read into
    const int split = ImportSeparator(separator);

    // First reading: the size, before anything changes.
    FILE* file = path ? std::fopen(path, "r") : nullptr;
    if (file == nullptr) {
        if (replace) vu_ListViewDeleteAllRows(list);
        return 2;
    }
    std::size_t total = 0;
    const bool counted = CountCharacters(file, &total);
    std::clearerr(file);
    std::fclose(file);
    if (!counted) {
        if (replace) vu_ListViewDeleteAllRows(list);
        return 3;
    }
    if (total > kLargestImport) return 4;  // refused: the rows stay as they are
    if (replace) vu_ListViewDeleteAllRows(list);

    // Second reading: the rows, at most the counted characters.
    file = std::fopen(path, "r");
    if (file == nullptr) return 2;
    // The rows are built without painting each one; the list view redraws once at the end.
    SendMessageA(list, WM_SETREDRAW, FALSE, 0);
    RowReader reader(list, columns, split);
    char block[4096];
    std::size_t left = total;
    while (left > 0) {
        const std::size_t got = std::fread(block, 1, left < sizeof block ? left : sizeof block, file);
        for (std::size_t i = 0; i < got; ++i) reader.Take(block[i]);
        left -= got;
        if (got == 0) break;
    }
    const bool failed = std::ferror(file) != 0;
    std::clearerr(file);
    std::fclose(file);
    reader.Finish();  // the rows read so far stay, also after a read error
    SendMessageA(list, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(list, nullptr, TRUE);
    return failed ? 3 : 0;
}
