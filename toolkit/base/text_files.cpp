// Line-oriented text files over the runtime's buffered files in text mode (a CR LF pair
// reads as one line feed). Every call opens the file, does its work and closes it again.
#include <cstdio>
#include <cstring>

#include "base/keyword.h"
#include "vu.h"

namespace {

// Working buffer of one line read: a longer line arrives in several pieces.
const int kPieceRoom = 2000;

// Closes a file, clearing its error indicator first; true when no error was pending and
// the close (which writes what is buffered) succeeded.
bool CloseClean(std::FILE* file)
{
    const bool failed = std::ferror(file) != 0;
    std::clearerr(file);
    return std::fclose(file) == 0 && !failed;
}

// Writes text into path opened with mode ("w" or "a"), then the line end when asked.
int WriteText(const char* path, const char* mode, const char* text, bool line_end)
{
    std::FILE* file = std::fopen(vu::TextOrEmpty(path), mode);
    if (file == nullptr) return 2;
    std::fputs(vu::TextOrEmpty(text), file);
    if (line_end) std::fputc('\n', file);
    return CloseClean(file) ? 0 : 3;
}

// What the counters gather from the pieces of a file.
struct Tally {
    int pieces = 0;
    int characters = 0;
};

// Walks path piece by piece; 0, -2 not opened, -3 read error.
int TallyFile(const char* path, Tally* tally)
{
    std::FILE* file = std::fopen(vu::TextOrEmpty(path), "r");
    if (file == nullptr) return -2;
    char piece[kPieceRoom];
    while (std::fgets(piece, sizeof piece, file) != nullptr) {
        ++tally->pieces;
        tally->characters += static_cast<int>(std::strlen(piece));
        if (std::ferror(file)) break;
    }
    return CloseClean(file) ? 0 : -3;
}

}  // namespace

int vu_TextFileWrite(const char* path, const char* text) { return WriteText(path, "w", text, false); }

int vu_TextFileClear(const char* path) { return WriteText(path, "w", "", false); }

int vu_TextFileAddLine(const char* path, const char* text)
{
    if (text == nullptr || *text == '\0') return 0;
    std::FILE* file = std::fopen(vu::TextOrEmpty(path), "r");
    if (file == nullptr) return 2;
    char start[10] = "";
    if (std::fgets(start, sizeof start, file) == nullptr) start[0] = '\0';
    if (!CloseClean(file)) return 3;
    // Only an empty file is written anew (its first text gets no line end); any other file,
    // even one whose first line is short, keeps its lines and gets the text appended.
    if (start[0] == '\0') return WriteText(path, "w", text, false);
    return WriteText(path, "a", text, true);
}

int vu_TextFileRead(const char* path, char* destination)
{
    if (destination == nullptr) return 0;
    // First pass: the file must be readable to its end.
    Tally tally;
    const int first = TallyFile(path, &tally);
    if (first == -2) return 2;
    int result = first == -3 ? 3 : 0;

    std::FILE* file = std::fopen(vu::TextOrEmpty(path), "r");
    if (file == nullptr) return 2;
    char* end = destination + std::strlen(destination);
    char piece[kPieceRoom];
    while (std::fgets(piece, sizeof piece, file) != nullptr) {
        const std::size_t n = std::strlen(piece);
        std::memcpy(end, piece, n + 1);
        end += n;
    }
    if (!CloseClean(file)) result = 3;
    return result;
}

int vu_TextFileLineCount(const char* path)
{
    Tally tally;
    const int status = TallyFile(path, &tally);
    return status != 0 ? status : tally.pieces;
}

int vu_TextFileLastLine(const char* path)
{
    Tally tally;
    const int status = TallyFile(path, &tally);
    if (status != 0) return status;
    return tally.pieces > 0 ? tally.pieces - 1 : 0;
}

int vu_TextFileLength(const char* path)
{
    Tally tally;
    const int status = TallyFile(path, &tally);
    return status != 0 ? status : tally.characters;
}

int vu_TextFileTextSize(const char* path)
{
    Tally tally;
    const int status = TallyFile(path, &tally);
    return status != 0 ? status : tally.characters + tally.pieces;
}
