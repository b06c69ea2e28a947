// Reading back what the test harness's PDF printer made of a print job: the harness runs a
// private print queue that writes each job as a PDF file into the folder VU_PDF_DIR (a Unix
// path). A small shell script, run as a Unix program, waits until the queue is empty, then
// hands the job's page count, its text page by page and its word boxes (poppler's pdfinfo and
// pdftotext) to the test in files, and removes the PDF.
#ifndef VU_TESTS_WORDPROC_PRINT_PDF_H
#define VU_TESTS_WORDPROC_PRINT_PDF_H

#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "vu_test.h"

namespace print_pdf {

// One word of a page with its box in PDF points (1/72 inch, origin top left).
struct Word {
    int page;  // from 1
    double x_min, y_min, x_max, y_max;
    std::string text;
};

struct Printed {
    bool found = false;
    int pages = 0;
    std::string title;
    std::vector<std::vector<std::string>> page_lines;  // non-empty text lines of each page
    std::vector<Word> words;
};

inline std::string Environment(const char* name)
{
    const char* value = std::getenv(name);
    return value ? value : "";
}

// The Unix path of a Windows path (Wine's own conversion), or "" when there is none.
inline std::string UnixPath(const std::string& windows)
{
    using Convert = char* (*)(const WCHAR*);
    static Convert convert = reinterpret_cast<Convert>(reinterpret_cast<void*>(
        GetProcAddress(GetModuleHandleA("kernel32.dll"), "wine_get_unix_file_name")));
    if (convert == nullptr) return "";
    WCHAR wide[MAX_PATH] = {};
    MultiByteToWideChar(CP_ACP, 0, windows.c_str(), -1, wide, MAX_PATH);
    char* unix_path = convert(wide);
    if (unix_path == nullptr) return "";
    std::string result = unix_path;
    HeapFree(GetProcessHeap(), 0, unix_path);
    return result;
}

// Why printed pages cannot be read back in this run, or "" when they can.
inline std::string Unavailable()
{
    if (Environment("VU_PDF_DIR").empty()) return "no PDF printer in this run (VU_PDF_DIR)";
    if (UnixPath("C:\\").empty()) return "Unix programs cannot be run from here";
    return "";
}

// The script: $1 PDF folder, $2 document name, $3 output stem, $4 "some" when a PDF is
// expected (waits up to 30 s for it to be complete), "none" when none is (waits until the
// queue holds no job, then half a second more).
const char kScript[] =
    "i=0; f=''\n"
    "while [ $i -lt 600 ]; do\n"
    "  if [ \"$4\" = none ]; then\n"
    "    [ -z \"$(lpstat -o 2>/dev/null)\" ] && sleep 0.5 && break\n"
    "  else\n"
    "    f=$(ls \"$1\"/*\"$2\"*.pdf 2>/dev/null | head -n 1)\n"
    "    if [ -n \"$f\" ] && tail -c 64 \"$f\" | grep -q EOF; then break; fi\n"
    "    f=''\n"
    "  fi\n"
    "  sleep 0.05; i=$((i + 1))\n"
    "done\n"
    "[ \"$4\" = none ] && f=$(ls \"$1\"/*\"$2\"*.pdf 2>/dev/null | head -n 1)\n"
    "if [ -n \"$f\" ]; then\n"
    "  pdfinfo \"$f\" >\"$3.info\" 2>&1\n"
    "  pdftotext \"$f\" \"$3.txt\" 2>/dev/null\n"
    "  pdftotext -bbox \"$f\" \"$3.bbox\" 2>/dev/null\n"
    "  rm -f \"$f\"\n"
    "fi\n"
    "echo \"$f\" >\"$3.tmp\"; mv \"$3.tmp\" \"$3.done\"\n";

inline std::string Attribute(const std::string& tag, const char* name)
{
    const std::string key = std::string(name) + "=\"";
    const std::size_t at = tag.find(key);
    if (at == std::string::npos) return "";
    const std::size_t from = at + key.size();
    return tag.substr(from, tag.find('"', from) - from);
}

inline void ParseWords(const std::string& bbox, Printed* printed)
{
    int page = 0;
    for (std::size_t at = bbox.find('<'); at != std::string::npos; at = bbox.find('<', at + 1)) {
        if (bbox.compare(at, 6, "<page ") == 0) {
            ++page;
        } else if (bbox.compare(at, 6, "<word ") == 0) {
            const std::size_t close = bbox.find('>', at);
            const std::size_t end = bbox.find("</word>", close);
            if (close == std::string::npos || end == std::string::npos) break;
            const std::string tag = bbox.substr(at, close - at);
            Word word;
            word.page = page;
            word.x_min = std::atof(Attribute(tag, "xMin").c_str());
            word.y_min = std::atof(Attribute(tag, "yMin").c_str());
            word.x_max = std::atof(Attribute(tag, "xMax").c_str());
            word.y_max = std::atof(Attribute(tag, "yMax").c_str());
            word.text = bbox.substr(close + 1, end - close - 1);
            printed->words.push_back(word);
        }
    }
}

inline void ParseText(const std::string& text, Printed* printed)
{
    std::vector<std::string> lines;
    std::string line;
    for (char c : text) {
        if (c == '\n' || c == '\f') {
            if (!line.empty()) lines.push_back(line);
            line.clear();
            if (c == '\f') {
                printed->page_lines.push_back(lines);
                lines.clear();
            }
        } else if (c != '\r') {
            line += c;
        }
    }
}

// Waits for the job named document to leave the queue and reads its PDF (removing it).
// expect_some: a PDF is expected, so wait for it; else only until the queue is empty.
inline Printed Read(const std::string& document, bool expect_some = true)
{
    Printed printed;
    const std::string dir = vu_test::NewTempDir();
    const std::string script = dir + "read.sh";
    vu_test::WriteFileBytes(script, kScript);
    std::string command = "/bin/sh \"" + UnixPath(script) + "\" \"" +
                          Environment("VU_PDF_DIR") + "\" \"" + document + "\" \"" +
                          UnixPath(dir) + "/out\" " + (expect_some ? "some" : "none");
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process = {};
    // Wine starts a Unix program without a process handle of its own; the script's last step
    // is the rename of its result file, which ends the wait below.
    if (!CreateProcessA(nullptr, &command[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &process))
        return printed;
    if (process.hProcess) CloseHandle(process.hProcess);
    if (process.hThread) CloseHandle(process.hThread);
    if (!vu_test::WaitFor([&] { return vu_test::FileExists(dir + "out.done"); }, 60000))
        return printed;
    std::string info, text, bbox;
    if (!vu_test::ReadFileBytes(dir + "out.info", &info)) return printed;
    printed.found = true;
    const std::size_t pages = info.find("Pages:");
    if (pages != std::string::npos) printed.pages = std::atoi(info.c_str() + pages + 6);
    const std::size_t title = info.find("Title:");
    if (title != std::string::npos) {
        const std::size_t from = info.find_first_not_of(' ', title + 6);
        printed.title = info.substr(from, info.find('\n', from) - from);
    }
    if (vu_test::ReadFileBytes(dir + "out.txt", &text)) ParseText(text, &printed);
    if (vu_test::ReadFileBytes(dir + "out.bbox", &bbox)) ParseWords(bbox, &printed);
    return printed;
}

// Runs a Unix command line and waits (up to 30 s) until it has ended.
inline bool RunUnix(const std::string& command_line)
{
    const std::string dir = vu_test::NewTempDir();
    const std::string script = dir + "run.sh";
    vu_test::WriteFileBytes(script, command_line + "\ntouch \"$1.tmp\"; mv \"$1.tmp\" \"$1\"\n");
    std::string command = "/bin/sh \"" + UnixPath(script) + "\" \"" + UnixPath(dir) + "/done\"";
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process = {};
    if (!CreateProcessA(nullptr, &command[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &process))
        return false;
    if (process.hProcess) CloseHandle(process.hProcess);
    if (process.hThread) CloseHandle(process.hThread);
    return vu_test::WaitFor([&] { return vu_test::FileExists(dir + "done"); }, 30000);
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
