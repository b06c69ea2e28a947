// Prints the size of vindrulen.exe (built beside this program) in bytes and KiB, whether it
// carries a symbol table, and its ratio to the size goal of 96 KiB.
#include <windows.h>

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "bench_process.h"

namespace {

constexpr long long kGoalBytes = 96 * 1024;

// Reads the PE file's COFF header; false when the file is no PE image.
bool ReadCoffHeader(const std::string& path, IMAGE_FILE_HEADER* header)
{
    HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                              OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    std::vector<unsigned char> start(4096);
    DWORD read = 0;
    const bool ok = ReadFile(file, start.data(), static_cast<DWORD>(start.size()), &read,
                             nullptr) != 0;
    CloseHandle(file);
    if (!ok || read < sizeof(IMAGE_DOS_HEADER)) return false;
    IMAGE_DOS_HEADER dos;
    std::memcpy(&dos, start.data(), sizeof dos);
    const DWORD at = static_cast<DWORD>(dos.e_lfanew);
    if (dos.e_magic != IMAGE_DOS_SIGNATURE || at + 4 + sizeof *header > read) return false;
    DWORD signature;
    std::memcpy(&signature, start.data() + at, 4);
    if (signature != IMAGE_NT_SIGNATURE) return false;
    std::memcpy(header, start.data() + at + 4, sizeof *header);
    return true;
}

}  // namespace

int main()
{
    const std::string exe = bench::OwnFolder() + "vindrulen.exe";
    const long long bytes = bench::FileSize(exe);
    IMAGE_FILE_HEADER header;
    if (bytes < 0 || !ReadCoffHeader(exe, &header)) {
        std::printf("size: could not read %s\n", exe.c_str());
        return 1;
    }
    const bool stripped = header.PointerToSymbolTable == 0 && header.NumberOfSymbols == 0;
    std::printf("size: vindrulen.exe %lld bytes = %.1f KiB, %s, %d sections\n", bytes,
                static_cast<double>(bytes) / 1024.0,
                stripped ? "stripped (no symbol table)" : "NOT stripped (has a symbol table)",
                header.NumberOfSections);
    const double ratio = static_cast<double>(bytes) / static_cast<double>(kGoalBytes);
    std::printf("size ratio: %.3f of 96 KiB (goal at most 1.00: %s)\n", ratio,
                ratio <= 1.0 ? "met" : "missed");
    return 0;
}
