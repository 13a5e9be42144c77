# Cross-compiles the same sources for 64-bit Windows: the flavour the Wine
# tests run on where the kernel cannot start 32-bit programs.
set(MINGW_TRIPLET x86_64-w64-mingw32)
set(CMAKE_SYSTEM_PROCESSOR AMD64)
include(${CMAKE_CURRENT_LIST_DIR}/mingw.cmake)
