# Cross-compiles for 64-bit Windows with Debian's MinGW-w64 (the POSIX thread model, which
# std::thread and std::mutex need), for scripts/test-windows.sh. Programs are linked
# statically, so that they run under Wine or on Windows without the compiler's DLLs beside
# them. Libraries built for Windows into a folder of their own (GoogleTest, yaml-cpp) are
# found there: pass that folder as MV52_WINDOWS_PREFIX.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(mv52_mingw x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${mv52_mingw}-gcc-posix)
set(CMAKE_CXX_COMPILER ${mv52_mingw}-g++-posix)
set(CMAKE_RC_COMPILER ${mv52_mingw}-windres)

list(APPEND CMAKE_TRY_COMPILE_PLATFORM_VARIABLES MV52_WINDOWS_PREFIX)
set(CMAKE_FIND_ROOT_PATH /usr/${mv52_mingw} ${MV52_WINDOWS_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")
# ctest runs the Windows programs under Wine.
find_program(MV52_WINE NAMES wine wine64)
if(MV52_WINE)
  set(CMAKE_CROSSCOMPILING_EMULATOR ${MV52_WINE})
endif()
