// Process entry of vindrulen.exe: the runtime's start-up calls main, which finds the
// command-line tail and hands over to the GUI main routine. Returning from main ends the
// process through the runtime's exit with that result.
#include "startup.h"

int main(int, char**, char**)
{
    return GuiMain(GetModuleHandleA(nullptr), nullptr, CommandLineTail(GetCommandLineA()),
                   SW_SHOWNORMAL);
}
