// Reading back what the test harness's PDF printer made of a print job: the harness runs a
// private print queue that writes each job as a PDF file into VU_PDF_DIR (a Unix path). A
// shell script, run as a Unix program, waits until the job's PDF is complete (or, when none
// is expected, until the queue is empty), writes its page count, text and word boxes
// (pdfinfo, pdftotext) into files, removes the PDF and then renames a marker file.
#ifndef VU_TESTS_WORDPROC_PRINT_PDF_H
#define VU_TESTS_WORDPROC_PRINT_PDF_H

#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "vu_test.h"

namespace print_pdf {

struct Word {
    int page;             // from 1
    double x_min, y_min;  // PDF points (1/72 inch), origin top left
    std::string text;
};

struct Printed {
    bool found = false;
    int pages = 0;
    std::string title;
    std::vector<std::vector<std::string>> page_lines;  // the non-empty lines of each page
    std::vector<Word> words;
};

inline std::string Environment(const char* name) { return std::getenv(name) ? std::getenv(name) : ""; }

// The Unix path of a Windows path (Wine's own conversion), or "".
inline std::string UnixPath(const std::string& windows)
{
    using Convert = char* (*)(const WCHAR*);
    static Convert convert = reinterpret_cast<Convert>(reinterpret_cast<void*>(
        GetProcAddress(GetModuleHandleA("kernel32.dll"), "wine_get_unix_file_name")));
    WCHAR wide[MAX_PATH] = {};
    MultiByteToWideChar(CP_ACP, 0, windows.c_str(), -1, wide, MAX_PATH);
    char* unix_path = convert ? convert(wide) : nullptr;
    const std::string result = unix_path ? unix_path : "";
    if (unix_path) HeapFree(GetProcessHeap(), 0, unix_path);
    return result;
}

// $1 PDF folder, $2 document name, $3 output stem, $4 "some" or "none"; gives up after 8 s.
const char kScript[] =
    "i=0; f=''\n"
    "while [ $i -lt 160 ]; do\n"
    "  f=$(ls \"$1\"/*\"$2\"*.pdf 2>/dev/null | head -n 1)\n"
    "  if [ \"$4\" = none ]; then [ -z \"$(lpstat -o 2>/dev/null)\" ] && break\n"
    "  elif [ -n \"$f\" ] && tail -c 64 \"$f\" | grep -q EOF; then break; fi\n"
    "  f=''; sleep 0.05; i=$((i + 1))\n"
    "done\n"
    "[ \"$4\" = none ] && f=$(ls \"$1\"/*\"$2\"*.pdf 2>/dev/null | head -n 1)\n"
    "if [ -n \"$f\" ]; then pdfinfo \"$f\" >\"$3.info\"; pdftotext \"$f\" \"$3.txt\";\n"
    "  pdftotext -bbox \"$f\" \"$3.bbox\"; rm -f \"$f\"; fi\n"
    "touch \"$3.tmp\"; mv \"$3.tmp\" \"$3.done\"\n";

inline double Number(const std::string& tag, const char* name)
{
    const std::size_t at = tag.find(std::string(name) + "=\"");
    return at == std::string::npos ? 0 : std::atof(tag.c_str() + at + std::string(name).size() + 2);
}

// Waits for the job named document to leave the queue and reads its PDF (removing it).
inline Printed Read(const std::string& document, bool expect_some = true)
{
    Printed printed;
    const std::string dir = vu_test::NewTempDir();
    vu_test::WriteFileBytes(dir + "read.sh", kScript);
    std::string command = "/bin/sh \"" + UnixPath(dir + "read.sh") + "\" \"" + Environment("VU_PDF_DIR") +
                          "\" \"" + document + "\" \"" + UnixPath(dir) + "/out\" " + (expect_some ? "some" : "none");
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process = {};
    // Wine starts a Unix program without a process to wait on: the marker file ends the wait.
    if (!CreateProcessA(nullptr, &command[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process))
        return printed;
    if (process.hProcess) CloseHandle(process.hProcess);
    if (process.hThread) CloseHandle(process.hThread);
    std::string info, text, bbox;
    if (!vu_test::WaitFor([&] { return vu_test::FileExists(dir + "out.done"); }, 10000) ||
        !vu_test::ReadFileBytes(dir + "out.info", &info))
        return printed;
    printed.found = true;
    const std::size_t pages = info.find("Pages:"), title = info.find("Title:");
    if (pages != std::string::npos) printed.pages = std::atoi(info.c_str() + pages + 6);
    if (title != std::string::npos) {
        const std::size_t from = info.find_first_not_of(' ', title + 6);
        printed.title = info.substr(from, info.find('\n', from) - from);
    }
    vu_test::ReadFileBytes(dir + "out.txt", &text);
    std::vector<std::string> lines;
    std::string line;
    for (char c : text) {
        if (c != '\n' && c != '\f' && c != '\r') line += c;
        if ((c == '\n' || c == '\f') && !line.empty()) lines.push_back(line), line.clear();
        if (c == '\f') printed.page_lines.push_back(lines), lines.clear();
    }
    vu_test::ReadFileBytes(dir + "out.bbox", &bbox);
    int page = 0;
    for (std::size_t at = bbox.find('<'); at != std::string::npos; at = bbox.find('<', at + 1)) {
        if (bbox.compare(at, 6, "<page ") == 0) ++page;
        if (bbox.compare(at, 6, "<word ") != 0) continue;
        const std::size_t close = bbox.find('>', at), end = bbox.find("</word>", close);
        if (close == std::string::npos || end == std::string::npos) break;
        const std::string tag = bbox.substr(at, close - at);
        printed.words.push_back({page, Number(tag, "xMin"), Number(tag, "yMin"), bbox.substr(close + 1, end - close - 1)});
    }
    return printed;
}

// A document name of this run: the queue's files are found by it.
inline std::string DocumentName(const char* stem)
{
    static int counter = 0;
    char name[96];
    std::snprintf(name, sizeof name, "%s-%lu-%03d", stem, GetCurrentProcessId(), ++counter);
    return name;
}

}  // namespace print_pdf

#endif
