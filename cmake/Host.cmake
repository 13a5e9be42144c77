# The host build: portable code, its unit tests, the packer and fuzzing.
add_subdirectory(platform)
add_subdirectory(app)
add_subdirectory(wizard)
add_subdirectory(install)
add_subdirectory(tools)
add_subdirectory(tests)
