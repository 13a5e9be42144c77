# Shared by the source directories: portable files go to the library of the
# directory's layer, setup_<directory> (both builds), window files to
# setup_ui (Windows only). A directory lists its portable files in
# CORE_SOURCES; every other .cpp file in it is window code.
function(setup_directory)
  cmake_parse_arguments(ARG "" "" "CORE_SOURCES" ${ARGN})
  set(core)
  foreach(f IN LISTS ARG_CORE_SOURCES)
    list(APPEND core ${CMAKE_CURRENT_SOURCE_DIR}/${f})
  endforeach()
  if(core)
    get_filename_component(layer ${CMAKE_CURRENT_SOURCE_DIR} NAME)
    target_sources(setup_${layer} PRIVATE ${core})
  endif()
  if(WIN32)
    file(GLOB all CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
    if(core)
      list(REMOVE_ITEM all ${core})
    endif()
    list(REMOVE_ITEM all ${PROGRAM_SOURCES})
    target_sources(setup_ui PRIVATE ${all})
  endif()
endfunction()
