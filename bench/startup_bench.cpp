// Times starting vindrulen.exe until its main window is shown, against a bare window program
// built the same way (bare_window.exe), and prints both medians and their ratio.
// Each program is started 20 times, the two taking turns, after one start of each that is
// not counted (it fills the file cache). A start is timed from CreateProcess until a visible
// top-level window of the new process exists; the time until the process first waits for
// input (WaitForInputIdle) is printed beside it. The window is then closed with WM_CLOSE.
#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

#include "bench_process.h"

namespace {

constexpr int kStarts = 20;
constexpr double kGoal = 1.10;  // the program may take at most this much of the bare time

struct Times {
    std::vector<double> shown;
    std::vector<double> idle;
};

// Starts the program once and adds its times (in milliseconds); false when it did not show
// a window or did not close when asked.
bool TimeOneStart(const std::string& path, Times* times)
{
    bench::Program program;
    const double start = bench::Seconds();
    if (!bench::Start(path, program)) {
        std::printf("could not start %s\n", path.c_str());
        return false;
    }
    const bool shown = bench::WaitForWindow(program, nullptr, 30.0) != nullptr;
    const double shown_at = bench::Seconds();
    WaitForInputIdle(program.process.hProcess, 10000);
    const double idle_at = bench::Seconds();
    const bool closed = bench::Close(program);
    if (!shown || !closed) {
        std::printf("%s %s\n", path.c_str(), shown ? "did not close" : "showed no window");
        return false;
    }
    if (times != nullptr) {
        times->shown.push_back((shown_at - start) * 1000.0);
        times->idle.push_back((idle_at - start) * 1000.0);
    }
    return true;
}

}  // namespace

int main()
{
    const std::string folder = bench::OwnFolder();
    const std::string program = folder + "vindrulen.exe";
    const std::string bare = folder + "bare_window.exe";

    bool ok = TimeOneStart(program, nullptr) && TimeOneStart(bare, nullptr);
    Times program_times, bare_times;
    for (int i = 0; ok && i < kStarts; ++i) {
        ok = TimeOneStart(program, &program_times) && TimeOneStart(bare, &bare_times);
    }
    if (!ok) {
        std::printf("startup: FAILED\n");
        return 1;
    }

    const double program_shown = bench::Median(program_times.shown);
    const double bare_shown = bench::Median(bare_times.shown);
    std::printf("startup: %d starts each, alternating; medians from CreateProcess\n", kStarts);
    std::printf("  %-16s window shown %7.1f ms (best %7.1f)   waiting for input %7.1f ms\n",
                "vindrulen.exe", program_shown, bench::Minimum(program_times.shown),
                bench::Median(program_times.idle));
    std::printf("  %-16s window shown %7.1f ms (best %7.1f)   waiting for input %7.1f ms\n",
                "bare_window.exe", bare_shown, bench::Minimum(bare_times.shown),
                bench::Median(bare_times.idle));
    const double ratio = program_shown / bare_shown;
    std::printf("startup ratio: %.3f of medians, %.3f of best times (goal at most %.2f: %s)\n",
                ratio, bench::Minimum(program_times.shown) / bench::Minimum(bare_times.shown),
                kGoal, ratio <= kGoal ? "met" : "missed");
    return 0;
}
