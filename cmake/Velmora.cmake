# Declarations shared by every folder: a deliverable is a static library of
# its logic plus a thin entry point; tests are one executable per folder.

set(VELMORA_BIN_DIR  ${CMAKE_BINARY_DIR}/bin)
set(VELMORA_TEST_DIR ${CMAKE_BINARY_DIR}/tests)

# Tests exist only where they can run: the x86_64 build under wine64.
if(CMAKE_SYSTEM_PROCESSOR STREQUAL "x86_64")
  set(VELMORA_TESTS ON)
else()
  set(VELMORA_TESTS OFF)
endif()

# velmora_library(<target> SOURCES ... [LIBS ...])
function(velmora_library target)
  cmake_parse_arguments(A "" "" "SOURCES;LIBS" ${ARGN})
  add_library(${target} STATIC ${A_SOURCES})
  target_link_libraries(${target} PUBLIC velmora_flags ${A_LIBS})
endfunction()

# velmora_program(<target> OUTPUT <file name without .exe> SOURCES ...
#                 [RESOURCES ...] [LIBS ...] [CONSOLE])
function(velmora_program target)
  cmake_parse_arguments(A "CONSOLE" "OUTPUT" "SOURCES;RESOURCES;LIBS" ${ARGN})
  if(A_CONSOLE)
    add_executable(${target} ${A_SOURCES} ${A_RESOURCES})
  else()
    add_executable(${target} WIN32 ${A_SOURCES} ${A_RESOURCES})
  endif()
  target_link_libraries(${target} PRIVATE velmora_flags ${A_LIBS})
  set_target_properties(${target} PROPERTIES
    OUTPUT_NAME ${A_OUTPUT}
    RUNTIME_OUTPUT_DIRECTORY ${VELMORA_BIN_DIR})
endfunction()

# velmora_dll(<target> OUTPUT <file name without .dll> SOURCES ... DEF <file>
#             [RESOURCES ...] [LIBS ...])
function(velmora_dll target)
  cmake_parse_arguments(A "" "OUTPUT;DEF" "SOURCES;RESOURCES;LIBS" ${ARGN})
  add_library(${target} SHARED ${A_SOURCES} ${A_RESOURCES} ${A_DEF})
  target_link_libraries(${target} PRIVATE velmora_flags ${A_LIBS})
  set_target_properties(${target} PROPERTIES
    PREFIX ""
    OUTPUT_NAME ${A_OUTPUT}
    RUNTIME_OUTPUT_DIRECTORY ${VELMORA_BIN_DIR}
    LIBRARY_OUTPUT_DIRECTORY ${VELMORA_BIN_DIR}
    ARCHIVE_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/lib)
  # Keep the exports' plain names (no stdcall decoration) as the .def gives them.
  target_link_options(${target} PRIVATE -Wl,--enable-stdcall-fixup -Wl,--kill-at)
endfunction()

# velmora_test(<target> SOURCES ... [LIBS ...] [RESOURCES ...] [TIMEOUT <s>]
#              [DEPENDS <targets>])
# One ctest entry per executable: each Wine start costs about a second.
function(velmora_test target)
  if(NOT VELMORA_TESTS)
    return()
  endif()
  cmake_parse_arguments(A "" "TIMEOUT" "SOURCES;LIBS;RESOURCES;DEPENDS" ${ARGN})
  add_executable(${target} ${A_SOURCES} ${A_RESOURCES})
  target_link_libraries(${target} PRIVATE velmora_flags velmora_testkit ${A_LIBS}
                        GTest::gmock GTest::gtest_main)
  set_target_properties(${target} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${VELMORA_TEST_DIR})
  if(A_DEPENDS)
    add_dependencies(${target} ${A_DEPENDS})
  endif()
  if(NOT A_TIMEOUT)
    set(A_TIMEOUT 300)
  endif()
  add_test(NAME ${target} COMMAND ${target} --gtest_brief=1
           WORKING_DIRECTORY ${VELMORA_TEST_DIR})
  set_tests_properties(${target} PROPERTIES TIMEOUT ${A_TIMEOUT})
endfunction()
