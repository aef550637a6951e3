# Makes the headers of `folder` (a path relative to the source root, such as "skin/core") and of
# nothing else visible to `target` and, through `scope`, to whatever links it. Headers keep their
# root-relative names ("skin/core/skintables.h"), found through a link in the build tree, so a
# folder that includes a header of a folder it does not depend on fails to compile: the build
# itself keeps the dependency direction. Where links cannot be made, the whole tree is visible.
function(vestoria_expose_folder target scope folder)
  set(root ${CMAKE_BINARY_DIR}/include/${target})
  set(link ${root}/${folder})
  if(NOT IS_SYMLINK ${link})
    get_filename_component(parent ${link} DIRECTORY)
    file(MAKE_DIRECTORY ${parent})
    file(CREATE_LINK ${PROJECT_SOURCE_DIR}/${folder} ${link} RESULT failed SYMBOLIC)
    if(failed)
      set(root ${PROJECT_SOURCE_DIR})
    endif()
  endif()
  target_include_directories(${target} ${scope} ${root})
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
  if(sources)
    file(GLOB headers CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.h)
    add_library(${target} STATIC ${sources} ${headers})
    vestoria_expose_folder(${target} PUBLIC ${folder})
    target_link_libraries(${target} PUBLIC ${ARG_DEPENDS})
  else()
    # A folder whose classes are still to come is an interface library, so that its users link.
    add_library(${target} INTERFACE)
    vestoria_expose_folder(${target} INTERFACE ${folder})
    target_link_libraries(${target} INTERFACE ${ARG_DEPENDS})
  endif()
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
    return()
  endif()
  add_executable(${target} ${sources})
  target_link_libraries(${target} PRIVATE test_support ${ARG_DEPENDS})
  gtest_discover_tests(${target}
    DISCOVERY_MODE PRE_TEST
    NO_PRETTY_VALUES
    DISCOVERY_TIMEOUT 60
    PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen" TIMEOUT 120 RUN_SERIAL ${serial})
endfunction()
