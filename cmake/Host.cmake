# The host build: portable code, its unit tests, the packer and fuzzing.
find_package(JPEG REQUIRED)
target_link_libraries(setup_core PUBLIC JPEG::JPEG)
add_subdirectory(platform)
add_subdirectory(app)
add_subdirectory(wizard)
add_subdirectory(install)
add_subdirectory(tools)
add_subdirectory(tests)
