// Times vindrulen.exe's copy run ("Kopiera") over nine rows of 64 MiB files against a plain
// loop of CopyFileA over the same files, and prints both throughputs and their ratio.
//
// The benchmark writes its own vindrul.ini into the Windows folder (an existing one is put
// aside first and put back at the end), with rows 1 to 9 naming nine 64 MiB source files in
// a temporary folder and nine destinations beside them. For the program it starts
// vindrulen.exe, waits until the main window waits for input, and sends it the "Kopiera"
// command (WM_COMMAND 100, as the button does): the copy run holds the window until it ends,
// so the call returns when the ninth copy is done, and the sizes of all nine destinations
// are checked after it. For the plain loop it calls CopyFileA nine times. Neither replaces a
// file: the destinations are deleted before every run. Five rounds each, the two taking
// turns in both orders; the medians are compared.
//
// Then the copy path itself, in this process, the figure the goal is about: the nine rows
// through vu_FileCopy with "SAVE_IF_EXIST" (a temporary file beside each destination that
// takes its place when complete) against nine CopyFileA calls, both replacing the
// destinations the previous run left. Eleven pairs, each pair's two runs in alternating
// order; the median of the pairs' throughput ratios, so that two runs of the benchmark
// agree. All files are deleted afterwards.
#include <windows.h>

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "bench_process.h"
#include "vu.h"

namespace {

constexpr int kRows = 9;
constexpr long long kFileBytes = 64LL << 20;
constexpr int kRounds = 5;
constexpr int kPairs = 11;
constexpr double kGoal = 0.90;  // the program must reach at least this share of the loop's speed
constexpr UINT kCopyCommand = 100;

struct Files {
    std::string folder;
    std::string source[kRows];
    std::string destination[kRows];
};

std::string WindowsFolder()
{
    char path[MAX_PATH] = {};
    GetWindowsDirectoryA(path, MAX_PATH);
    return path;
}

// Writes one source file of pseudo-random bytes, different in every file.
bool WriteSource(const std::string& path, unsigned seed)
{
    HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    std::vector<unsigned> block((1 << 20) / sizeof(unsigned));
    unsigned state = seed * 2654435761u + 1;
    bool ok = true;
    for (long long written = 0; ok && written < kFileBytes; written += 1 << 20) {
        for (unsigned& word : block) {
            state ^= state << 13;
            state ^= state >> 17;
            state ^= state << 5;
            word = state;
        }
        DWORD done = 0;
        ok = WriteFile(file, block.data(), 1 << 20, &done, nullptr) && done == 1u << 20;
    }
    CloseHandle(file);
    return ok;
}

// True when both files hold the same bytes.
bool SameBytes(const std::string& a, const std::string& b)
{
    HANDLE fa = CreateFileA(a.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0,
                            nullptr);
    HANDLE fb = CreateFileA(b.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0,
                            nullptr);
    bool same = fa != INVALID_HANDLE_VALUE && fb != INVALID_HANDLE_VALUE;
    std::vector<char> ba(1 << 20), bb(1 << 20);
    while (same) {
        DWORD ra = 0, rb = 0;
        same = ReadFile(fa, ba.data(), 1 << 20, &ra, nullptr) &&
               ReadFile(fb, bb.data(), 1 << 20, &rb, nullptr) && ra == rb &&
               std::memcmp(ba.data(), bb.data(), ra) == 0;
        if (ra == 0) break;
    }
    if (fa != INVALID_HANDLE_VALUE) CloseHandle(fa);
    if (fb != INVALID_HANDLE_VALUE) CloseHandle(fb);
    return same;
}

void DeleteDestinations(const Files& files)
{
    for (const std::string& path : files.destination) DeleteFileA(path.c_str());
}

bool DestinationsComplete(const Files& files)
{
    for (const std::string& path : files.destination) {
        if (bench::FileSize(path) != kFileBytes) return false;
    }
    return true;
}

// Puts the settings file of the Windows folder aside (a backup left by an interrupted run is
// put back first) and writes the nine rows; returns the settings file's path.
std::string WriteSettings(const Files& files, const std::string& backup)
{
    const std::string settings = WindowsFolder() + "\\vindrul.ini";
    if (bench::FileExists(backup)) MoveFileExA(backup.c_str(), settings.c_str(),
                                               MOVEFILE_REPLACE_EXISTING);
    if (bench::FileExists(settings)) MoveFileExA(settings.c_str(), backup.c_str(),
                                                 MOVEFILE_REPLACE_EXISTING);
    for (int row = 0; row < kRows; ++row) {
        const std::string section = std::to_string(row + 1);
        WritePrivateProfileStringA(section.c_str(), "From", files.source[row].c_str(),
                                   settings.c_str());
        WritePrivateProfileStringA(section.c_str(), "To", files.destination[row].c_str(),
                                   settings.c_str());
    }
    WritePrivateProfileStringA(nullptr, nullptr, nullptr, settings.c_str());  // flush
    return settings;
}

void RestoreSettings(const std::string& settings, const std::string& backup)
{
    DeleteFileA(settings.c_str());
    if (bench::FileExists(backup)) MoveFileExA(backup.c_str(), settings.c_str(),
                                               MOVEFILE_REPLACE_EXISTING);
}

struct MessageBoxWatch {
    DWORD process_id;
    HANDLE stop;
    bool message_shown;
};

// Watches the program for a message box every 100 ms until told to stop, and answers one
// with its OK button.
DWORD WINAPI WatchForMessageBox(void* parameter)
{
    auto* watch = static_cast<MessageBoxWatch*>(parameter);
    while (WaitForSingleObject(watch->stop, 100) == WAIT_TIMEOUT) {
        if (HWND box = bench::VisibleWindowOf(watch->process_id, "#32770")) {
            watch->message_shown = true;
            PostMessageA(GetDlgItem(box, IDOK), BM_CLICK, 0, 0);
        }
    }
    return 0;
}

// One copy run of the program; the seconds from posting the command until the ninth copy is
// complete and the window answers again, or a negative number when the run failed.
double TimeProgram(const std::string& exe, const Files& files)
{
    DeleteDestinations(files);
    bench::Program program;
    if (!bench::Start(exe, program)) {
        std::printf("could not start %s\n", exe.c_str());
        return -1;
    }
    if (bench::WaitForWindow(program, "Vindrulen", 30.0) == nullptr) {
        std::printf("vindrulen.exe showed no main window\n");
        bench::Close(program);
        return -1;
    }
    WaitForInputIdle(program.process.hProcess, 10000);

    // The command is sent, so the call returns when the copy run has ended; a watcher closes a
    // message box should one come, which would otherwise hold the call.
    MessageBoxWatch watch = {program.process.dwProcessId, CreateEventA(nullptr, TRUE, FALSE,
                                                                        nullptr), false};
    HANDLE watcher = CreateThread(nullptr, 0, WatchForMessageBox, &watch, 0, nullptr);
    const double start = bench::Seconds();
    DWORD_PTR answer = 0;
    const bool answered = SendMessageTimeoutA(program.window, WM_COMMAND, kCopyCommand, 0,
                                              SMTO_NORMAL, 300000, &answer) != 0;
    const double seconds = bench::Seconds() - start;
    SetEvent(watch.stop);
    WaitForSingleObject(watcher, INFINITE);
    CloseHandle(watcher);
    CloseHandle(watch.stop);
    const char* failure = nullptr;
    if (!answered) {
        failure = "the copy run did not end within 300 s";
    } else if (watch.message_shown) {
        failure = "vindrulen.exe showed a message instead of copying all nine rows";
    } else if (!bench::FileExists(files.destination[0])) {
        failure = "vindrulen.exe copied nothing (no copy command in this build?)";
    } else if (!DestinationsComplete(files)) {
        failure = "a destination is missing or short after the copy run";
    }
    bench::Close(program);
    if (failure != nullptr) {
        std::printf("%s\n", failure);
        return -1;
    }
    return seconds;
}

// The same nine copies by a plain CopyFileA loop; seconds, or negative when one failed.
double TimeLoop(const Files& files)
{
    DeleteDestinations(files);
    const double start = bench::Seconds();
    bool ok = true;
    for (int row = 0; row < kRows; ++row) {
        ok = CopyFileA(files.source[row].c_str(), files.destination[row].c_str(), FALSE) && ok;
    }
    const double seconds = bench::Seconds() - start;
    return ok ? seconds : -1;
}

// The nine rows copied onto the existing destinations, by vu_FileCopy or by CopyFileA;
// seconds, or negative when a copy failed.
double TimeRows(const Files& files, bool toolkit)
{
    const double start = bench::Seconds();
    bool ok = true;
    for (int row = 0; row < kRows; ++row) {
        const char* from = files.source[row].c_str();
        const char* to = files.destination[row].c_str();
        ok = (toolkit ? vu_FileCopy(nullptr, to, from, "SAVE_IF_EXIST") == 0
                      : CopyFileA(from, to, FALSE) != 0) && ok;
    }
    const double seconds = bench::Seconds() - start;
    return ok && DestinationsComplete(files) ? seconds : -1;
}

double MiBPerSecond(double seconds)
{
    return static_cast<double>(kRows * (kFileBytes >> 20)) / seconds;
}

}  // namespace

int main()
{
    char temp[MAX_PATH] = {};
    GetTempPathA(MAX_PATH, temp);
    Files files;
    files.folder = std::string(temp) + "vindrulen_copy_bench";
    CreateDirectoryA(files.folder.c_str(), nullptr);
    for (int row = 0; row < kRows; ++row) {
        files.source[row] = files.folder + "\\source" + std::to_string(row + 1) + ".bin";
        files.destination[row] = files.folder + "\\copy" + std::to_string(row + 1) + ".bin";
    }

    bool ok = true;
    for (int row = 0; ok && row < kRows; ++row) {
        ok = WriteSource(files.source[row], static_cast<unsigned>(row + 1));
    }
    if (!ok) std::printf("could not write the source files in %s\n", files.folder.c_str());
    const std::string backup = WindowsFolder() + "\\vindrul.ini.copy_bench";
    const std::string settings = WriteSettings(files, backup);

    const std::string exe = bench::OwnFolder() + "vindrulen.exe";
    std::vector<double> program_seconds, loop_seconds;
    bool program_ok = ok;
    for (int round = 0; ok && round < kRounds; ++round) {
        // Odd rounds time the loop first, so that neither side always follows the other.
        for (int turn = 0; turn < 2; ++turn) {
            if ((turn + round) % 2 == 0) {
                if (!program_ok) continue;
                const double seconds = TimeProgram(exe, files);
                program_ok = seconds > 0;
                if (!program_ok) continue;
                program_seconds.push_back(seconds);
                std::printf("  round %d  vindrulen.exe  %7.3f s\n", round + 1, seconds);
                // The program's copies are checked byte for byte once.
                for (int row = 0; program_seconds.size() == 1 && row < kRows; ++row) {
                    if (!SameBytes(files.source[row], files.destination[row])) {
                        std::printf("row %d was not copied byte for byte\n", row + 1);
                        program_ok = false;
                    }
                }
            } else {
                const double seconds = TimeLoop(files);
                if (seconds < 0) {
                    std::printf("CopyFileA failed\n");
                    ok = false;
                    break;
                }
                loop_seconds.push_back(seconds);
                std::printf("  round %d  CopyFileA loop %7.3f s\n", round + 1, seconds);
            }
        }
    }

    // The copy path in pairs; the destinations exist from the loop's last run (or are made
    // by the first copy).
    std::vector<double> ratios;
    for (int pair = 0; ok && pair < kPairs; ++pair) {
        double seconds[2] = {};  // vu_FileCopy, CopyFileA
        for (int turn = 0; turn < 2; ++turn) {
            const int side = (pair + turn) % 2;
            seconds[side] = TimeRows(files, side == 0);
        }
        if (seconds[0] <= 0 || seconds[1] <= 0) {
            std::printf("a copy of the pairs failed\n");
            ok = false;
            break;
        }
        ratios.push_back(seconds[1] / seconds[0]);
        std::printf("  pair %2d  vu_FileCopy %7.3f s  CopyFileA %7.3f s  ratio %.3f\n", pair + 1,
                    seconds[0], seconds[1], ratios.back());
    }

    RestoreSettings(settings, backup);
    DeleteDestinations(files);
    for (const std::string& path : files.source) DeleteFileA(path.c_str());
    RemoveDirectoryA(files.folder.c_str());

    std::printf("copy: %d rows of %lld MiB, %d rounds each, medians\n", kRows, kFileBytes >> 20,
                kRounds);
    if (!loop_seconds.empty()) {
        const double loop = bench::Median(loop_seconds);
        std::printf("  %-22s %8.3f s  %8.1f MiB/s\n", "CopyFileA loop", loop, MiBPerSecond(loop));
    }
    if (!ok || !program_ok) {
        std::printf("copy: FAILED\n");
        return 1;
    }
    const double program = bench::Median(program_seconds);
    const double loop = bench::Median(loop_seconds);
    std::printf("  %-22s %8.3f s  %8.1f MiB/s\n", "vindrulen.exe Kopiera", program,
                MiBPerSecond(program));
    const double ratio = MiBPerSecond(program) / MiBPerSecond(loop);
    const double best = bench::Minimum(loop_seconds) / bench::Minimum(program_seconds);
    std::printf("program ratio: %.3f of the loop's throughput in medians, %.3f in best times\n",
                ratio, best);
    const double pairs = bench::Median(ratios);
    std::printf("copy ratio: vu_FileCopy at %.3f of CopyFileA's throughput, median of %d pairs "
                "(goal at least %.2f: %s)\n", pairs, kPairs, kGoal, pairs >= kGoal ? "met" : "missed");
    return 0;
}
