// Helpers shared by the test programs: message pumping, waiting on windows, temporary
// files, and the recording MainWindowProc of the toolkit's tests.
#ifndef VU_TEST_H
#define VU_TEST_H

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "vu.h"

namespace vu_test {

// Dispatches every message waiting in this thread's queue.
void PumpMessages();

// Pumps messages until cond() holds or timeout_ms have passed; returns cond()'s last value.
// Waits on the message queue between checks, so posted and sent messages wake it at once.
bool WaitFor(const std::function<bool()>& cond, int timeout_ms = 5000);

// A window title no other test of this process has used (window classes are named after
// titles and stay registered for the life of the process).
std::string UniqueTitle(const char* stem);

// A new empty folder under the temporary folder, with a trailing backslash.
std::string NewTempDir();
bool WriteFileBytes(const std::string& path, const std::string& bytes);
bool ReadFileBytes(const std::string& path, std::string* bytes);
bool FileExists(const std::string& path);

// Folder of the running test program, with a trailing backslash.
std::string ProgramDir();

// True in the run under Wine's heap checker (ctest label heap), where programs run many
// times slower.
inline bool UnderHeapChecker() { return GetEnvironmentVariableA("VU_HEAPCHECK", nullptr, 0) != 0; }
// The rounds of a repeated-call loop (a leak check): all of them in the plain run, a 25th
// under the heap checker, which makes every round many times slower; a leak of one object a
// round shows either way.
inline int Rounds(int plain) { return UnderHeapChecker() ? plain / 25 : plain; }

// One message that reached MainWindowProc.
struct Message {
    HWND window;
    UINT message;
    WPARAM wparam;
    LPARAM lparam;
};

// Every message MainWindowProc received since the last ClearMessages().
const std::vector<Message>& Messages();
void ClearMessages();
// Number of recorded messages with this id (for one window, or any when window is null).
int CountMessages(UINT message, HWND window = nullptr);

// A test may take over MainWindowProc: the handler sees each message first; when it
// returns true, *result is the procedure's answer, else DefWindowProcA answers.
using Handler = std::function<bool(HWND, UINT, WPARAM, LPARAM, LRESULT* result)>;
void SetMainWindowHandler(Handler handler);

}  // namespace vu_test

#endif
