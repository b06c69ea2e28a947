// Zero-filled allocation of 4-byte cells, offered under several typed names, and its release.
#include <cstdlib>

#include "vu.h"

static_assert(sizeof(int) == 4 && sizeof(long) == 4 && sizeof(float) == 4,
              "every allocation name hands out 4-byte cells");

void* vu_AllocCells(int count)
{
    if (count < 0) return nullptr;
    return std::calloc(static_cast<std::size_t>(count), 4);
}

int* vu_AllocInts(int count) { return static_cast<int*>(vu_AllocCells(count)); }

long* vu_AllocLongs(int count) { return static_cast<long*>(vu_AllocCells(count)); }

float* vu_AllocFloats(int count) { return static_cast<float*>(vu_AllocCells(count)); }

int vu_Free(void* memory)
{
    std::free(memory);
    return 0;
}
