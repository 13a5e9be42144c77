# The product: setup.exe and the Windows-side tests that run under Wine.
add_compile_definitions(WINVER=0x0501 _WIN32_WINNT=0x0501 _WIN32_IE=0x0500 NOMINMAX)
set(STATIC_LINK -static -static-libgcc -static-libstdc++)
# The Windows test builds carry no debug information: nothing reads it under
# Wine, and it took some 40 % of their compile time and most of their size.
add_compile_options($<$<CONFIG:RelWithDebInfo>:-g0>)
# The PE header's time stamp would make every release build differ.
string(APPEND CMAKE_EXE_LINKER_FLAGS_RELEASE " -Wl,--no-insert-timestamp")
# On 32-bit Windows the unwind tables serve C++ exceptions alone (the system
# unwinds by the frame chain); on 64-bit Windows they are the system's own.
if(CMAKE_SIZEOF_VOID_P EQUAL 4)
  string(APPEND CMAKE_C_FLAGS_RELEASE " -fno-asynchronous-unwind-tables")
  string(APPEND CMAKE_CXX_FLAGS_RELEASE " -fno-asynchronous-unwind-tables")
endif()

set(JPEG_PREFIX ${CMAKE_BINARY_DIR}/deps/libjpeg)
execute_process(COMMAND ${CMAKE_SOURCE_DIR}/scripts/steps/build-libjpeg.sh ${JPEG_PREFIX}
                        ${CMAKE_TOOLCHAIN_FILE} ${CMAKE_SYSTEM_PROCESSOR}
                RESULT_VARIABLE jpeg_result)
if(NOT jpeg_result EQUAL 0)
  message(FATAL_ERROR "libjpeg-turbo could not be cross-built")
endif()
add_library(jpeg STATIC IMPORTED)
set_target_properties(jpeg PROPERTIES
  IMPORTED_LOCATION ${JPEG_PREFIX}/lib/libjpeg.a
  INTERFACE_INCLUDE_DIRECTORIES ${JPEG_PREFIX}/include)
target_link_libraries(setup_wizard PUBLIC jpeg)

# What each program has of its own, apart from the window code: the entry
# point and the standard library's failures.
set(PROGRAM_SOURCES ${CMAKE_SOURCE_DIR}/platform/WinMain.cpp
                    ${CMAKE_SOURCE_DIR}/platform/LibraryFailures.cpp)

# Window code of every directory, linked into setup.exe and the GUI tests.
# An object library: every window object, the application object among
# them, is linked whether or not something refers to it.
add_library(setup_ui OBJECT)
target_include_directories(setup_ui PUBLIC ${CMAKE_SOURCE_DIR})
set(UI_SYSTEM_LIBRARIES
  comctl32 comdlg32 gdi32 user32 rasapi32 vfw32 advapi32 ole32 shell32 uuid kernel32)
target_link_libraries(setup_ui PUBLIC setup_install ${UI_SYSTEM_LIBRARIES})

add_subdirectory(platform)
add_subdirectory(core)
add_subdirectory(package)
add_subdirectory(wizard)
add_subdirectory(install)
add_subdirectory(app)
add_subdirectory(resources)

add_executable(setup WIN32 ${PROGRAM_SOURCES} $<TARGET_OBJECTS:setup_resources>
  $<TARGET_OBJECTS:setup_identity>)
target_link_libraries(setup PRIVATE setup_ui)
target_link_options(setup PRIVATE ${STATIC_LINK} -mwindows)

# The same window code as a static library, for programs that take only the
# parts they use (the uninstaller has its own application object).
add_library(setup_ui_library STATIC $<TARGET_OBJECTS:setup_ui>)
target_include_directories(setup_ui_library PUBLIC ${CMAKE_SOURCE_DIR})
target_link_libraries(setup_ui_library PUBLIC setup_install ${UI_SYSTEM_LIBRARIES})
add_subdirectory(uninst)

add_subdirectory(tools)
# The demo's walker and the start-up benchmark, in every build: the demo
# walks the release programs. GoogleTest, and with it the tests, needs the
# posix thread model.
add_subdirectory(tests/driver)
add_subdirectory(tests/demo)
if(SETUP_THREAD_MODEL STREQUAL posix)
  add_subdirectory(tests)
endif()

# The uninstaller that distributions carry: its target and file, for the
# scripts.
file(GENERATE OUTPUT ${CMAKE_BINARY_DIR}/uninstaller.txt CONTENT "uninst\n$<TARGET_FILE:uninst>\n")
