# Shared by the two Windows toolchains: mingw-w64's thread model, libraries
# and headers from the target's own root only, and the Windows test programs
# run through the `wine` on PATH (the Wine session puts the loader of the
# right width first there).
# The posix thread model by default: GoogleTest needs std::mutex, which the
# win32 model lacks. The programs start no thread, and the release takes the
# win32 model (-DSETUP_THREAD_MODEL=win32), which links no thread library.
if(NOT SETUP_THREAD_MODEL)
  set(SETUP_THREAD_MODEL posix)
endif()
list(APPEND CMAKE_TRY_COMPILE_PLATFORM_VARIABLES SETUP_THREAD_MODEL)
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_C_COMPILER ${MINGW_TRIPLET}-gcc-${SETUP_THREAD_MODEL})
set(CMAKE_CXX_COMPILER ${MINGW_TRIPLET}-g++-${SETUP_THREAD_MODEL})
set(CMAKE_RC_COMPILER ${MINGW_TRIPLET}-windres)
set(CMAKE_FIND_ROOT_PATH /usr/${MINGW_TRIPLET})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
set(CMAKE_CROSSCOMPILING_EMULATOR wine)
