# Helpers shared by every library, test and benchmark target.

set(CONFIGURATOR_WARNINGS -Wall -Wextra -Wno-unused-parameter)

# configurator_library(NAME DIR [DEPS ...] [EXCLUDE subdir ...])
# A static library of every .cpp/.h/.qrc below DIR (new files are picked up
# on the next build without touching any CMake file), less the sub-folders
# named after EXCLUDE (which form libraries of their own).
function(configurator_library name dir)
  cmake_parse_arguments(ARG "" "" "DEPS;EXCLUDE" ${ARGN})
  file(GLOB_RECURSE sources CONFIGURE_DEPENDS
       ${dir}/*.cpp ${dir}/*.h ${dir}/*.qrc)
  list(FILTER sources EXCLUDE REGEX "/main\\.cpp$")
  foreach(sub ${ARG_EXCLUDE})
    list(FILTER sources EXCLUDE REGEX "/${dir}/${sub}/")
  endforeach()
  if(NOT sources)
    # A subsystem whose units are still to come: its dependents link it all
    # the same.
    add_library(${name} INTERFACE)
    target_link_libraries(${name} INTERFACE ${ARG_DEPS})
    return()
  endif()
  add_library(${name} STATIC ${sources})
  target_include_directories(${name} PUBLIC ${CMAKE_SOURCE_DIR}/src)
  target_compile_options(${name} PRIVATE ${CONFIGURATOR_WARNINGS})
  target_link_libraries(${name} PUBLIC ${ARG_DEPS})
  if(CONFIGURATOR_UNITY)
    set_target_properties(${name} PROPERTIES UNITY_BUILD ON UNITY_BUILD_BATCH_SIZE 8)
  endif()
endfunction()

# configurator_tests(NAME DIR [RECURSE] LIBS ...)
# One GoogleTest program of every .cpp directly in DIR (every .cpp below it
# with RECURSE), registered with CTest. Without RECURSE, sub-folders that have
# a test program of their own are left out.
function(configurator_tests name dir)
  cmake_parse_arguments(ARG "RECURSE" "" "" ${ARGN})
  if(ARG_RECURSE)
    file(GLOB_RECURSE sources CONFIGURE_DEPENDS ${dir}/*.cpp ${dir}/*.h ${dir}/*.qrc)
  else()
    file(GLOB sources CONFIGURE_DEPENDS ${dir}/*.cpp ${dir}/*.h ${dir}/*.qrc)
  endif()
  if(NOT sources)
    return()
  endif()
  add_executable(${name} ${sources})
  target_compile_options(${name} PRIVATE ${CONFIGURATOR_WARNINGS})
  target_link_libraries(${name} PRIVATE testsupport ${ARG_UNPARSED_ARGUMENTS})
  target_compile_definitions(${name} PRIVATE
    TEST_DATA_DIR="${CMAKE_SOURCE_DIR}/tests/data")
  if(CONFIGURATOR_UNITY)
    set_target_properties(${name} PROPERTIES UNITY_BUILD ON UNITY_BUILD_BATCH_SIZE 8)
  endif()
  add_test(NAME ${name} COMMAND ${name})
  set_tests_properties(${name} PROPERTIES
    ENVIRONMENT "${CONFIGURATOR_TEST_ENVIRONMENT}"
    WORKING_DIRECTORY ${CMAKE_BINARY_DIR})
endfunction()
