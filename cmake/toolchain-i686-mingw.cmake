# Cross-compiles for 32-bit Windows with Debian's mingw-w64 tool chain.
# The -posix compiler variants are used: the win32-thread variant has no std::mutex,
# which GoogleTest needs.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR i686)

set(VU_MINGW_PREFIX i686-w64-mingw32)
set(CMAKE_C_COMPILER   ${VU_MINGW_PREFIX}-gcc-posix)
set(CMAKE_CXX_COMPILER ${VU_MINGW_PREFIX}-g++-posix)
set(CMAKE_RC_COMPILER  ${VU_MINGW_PREFIX}-windres)
set(CMAKE_AR           ${VU_MINGW_PREFIX}-ar CACHE FILEPATH "")
set(CMAKE_RANLIB       ${VU_MINGW_PREFIX}-ranlib CACHE FILEPATH "")
set(CMAKE_STRIP        ${VU_MINGW_PREFIX}-strip CACHE FILEPATH "")

set(CMAKE_FIND_ROOT_PATH /usr/${VU_MINGW_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# Every program is one self-contained file: the C and C++ runtimes are linked in.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")

# Test programs run through Wine on the build machine.
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_CURRENT_LIST_DIR}/wine-run.sh)
