# Makes the headers of `folder` (a path relative to the source root, such as "skin/core") and of
# nothing else visible to `target` and, through `scope`, to whatever links it. Headers keep their
# root-relative names ("skin/core/skintables.h"), found through a link in the build tree, so a
# folder that includes a header of a folder it does not depend on fails to compile: the build
# itself keeps the dependency direction. A build tree where the links cannot be made is refused,
# since exposing the whole tree instead would let a wrong include pass unnoticed.
function(vestoria_expose_folder target scope folder)
  set(root ${CMAKE_BINARY_DIR}/include/${target})
  set(link ${root}/${folder})
  if(NOT IS_SYMLINK ${link})
    get_filename_component(parent ${link} DIRECTORY)
    file(MAKE_DIRECTORY ${parent})
    file(CREATE_LINK ${PROJECT_SOURCE_DIR}/${folder} ${link} RESULT failed SYMBOLIC)
    if(NOT failed EQUAL 0)
      message(FATAL_ERROR "Cannot link ${link} to ${PROJECT_SOURCE_DIR}/${folder}: ${failed}. "
                          "The build keeps each folder to the headers of the folders it depends on "
                          "through such links; build in a place that allows symbolic links.")
    endif()
  endif()
  target_include_directories(${target} ${scope} ${root})
endfunction()

# An include that climbs out of a folder ("../core/skintables.h") finds its header beside the
# including file, past the links above, so the build refuses one in any of the given source
# folders. The check runs again on the next build after any of their sources changes.
function(vestoria_refuse_relative_includes)
  set(sources)
  foreach(folder IN LISTS ARGN)
    if(NOT IS_DIRECTORY ${PROJECT_SOURCE_DIR}/${folder})
      message(FATAL_ERROR "No source folder ${PROJECT_SOURCE_DIR}/${folder} to check for relative includes")
    endif()
    file(GLOB_RECURSE found CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/${folder}/*.cpp
         ${PROJECT_SOURCE_DIR}/${folder}/*.h)
    list(APPEND sources ${found})
  endforeach()
  set(list_file ${CMAKE_BINARY_DIR}/relative-includes.list)
  list(JOIN sources "\n" lines)
  file(CONFIGURE OUTPUT ${list_file} CONTENT "${lines}\n" @ONLY)
  set(stamp ${CMAKE_BINARY_DIR}/relative-includes.checked)
  add_custom_command(OUTPUT ${stamp}
    COMMAND ${CMAKE_COMMAND} -DLIST=${list_file} -DSTAMP=${stamp} -P ${PROJECT_SOURCE_DIR}/cmake/RefuseRelativeIncludes.cmake
    DEPENDS ${sources} ${list_file} ${PROJECT_SOURCE_DIR}/cmake/RefuseRelativeIncludes.cmake
    COMMENT "Checking that no source includes a path with ../")
  add_custom_target(vestoria_relative_includes ALL DEPENDS ${stamp})
endfunction()

# Every source folder is one static library made of all the .cpp files in it, so that adding a
# class never means editing a build file.
function(vestoria_library target)
  cmake_parse_arguments(ARG "" "" "DEPENDS;EXCLUDE" ${ARGN})
  file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp ${CMAKE_CURRENT_SOURCE_DIR}/*.h)
  foreach(excluded IN LISTS ARG_EXCLUDE)
    list(REMOVE_ITEM sources ${CMAKE_CURRENT_SOURCE_DIR}/${excluded})
  endforeach()
  list(FILTER sources INCLUDE REGEX "\\.cpp$")
  file(RELATIVE_PATH folder ${PROJECT_SOURCE_DIR} ${CMAKE_CURRENT_SOURCE_DIR})
  if(NOT sources)
    message(FATAL_ERROR "${folder} has no .cpp files to make ${target} of")
  endif()
  file(GLOB headers CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.h)
  add_library(${target} STATIC ${sources} ${headers})
  vestoria_expose_folder(${target} PUBLIC ${folder})
  target_link_libraries(${target} PUBLIC ${ARG_DEPENDS})
endfunction()

# One GoogleTest executable per tested folder; every .cpp in the test folder belongs to it.
# SERIAL: the program's tests share something outside the process (a server) and run alone.
function(vestoria_tests target)
  cmake_parse_arguments(ARG "SERIAL" "" "DEPENDS" ${ARGN})
  set(serial FALSE)
  if(ARG_SERIAL)
    set(serial TRUE)
  endif()
  file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp ${CMAKE_CURRENT_SOURCE_DIR}/*.h)
  if(NOT sources)
    file(RELATIVE_PATH folder ${PROJECT_SOURCE_DIR} ${CMAKE_CURRENT_SOURCE_DIR})
    message(FATAL_ERROR "${folder} has no test sources to make ${target} of")
  endif()
  add_executable(${target} ${sources})
  target_link_libraries(${target} PRIVATE test_support ${ARG_DEPENDS})
  gtest_discover_tests(${target}
    DISCOVERY_MODE PRE_TEST
    NO_PRETTY_VALUES
    DISCOVERY_TIMEOUT 60
    PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen" TIMEOUT 120 RUN_SERIAL ${serial})
endfunction()
