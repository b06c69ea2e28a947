// The text editor's printing: how the system profile's default-printer entry splits into the
// three names that make a printer device context. Internal to the toolkit.
#ifndef VU_CONTROLS_WORDPROC_PRINT_H
#define VU_CONTROLS_WORDPROC_PRINT_H

#include <string>

namespace vu {
namespace wordproc {

struct PrinterNames {
    std::string device;
    std::string driver;
    std::string port;
};

// Splits an entry "device,driver,port": the device name runs up to the first comma (blanks
// belong to it); the driver and then the port each run up to the next comma or blank, with
// commas and blanks before them skipped. True when all three are present (a null entry has
// none).
bool SplitPrinterEntry(const char* entry, PrinterNames* names);

}  // namespace wordproc
}  // namespace vu

#endif
