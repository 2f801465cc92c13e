# Declarations shared by every folder. A deliverable is one call:
# velmora_program or velmora_dll names its file, its program folder, its
# sources, resources and data; everything else (entry point, export names,
# staging) is decided here once.
#
# bin/<program folder>/ holds each deliverable and its data as an
# installation lays them out. Program folders (one family each):
#   Blinkward   Halvane.exe, Vintabar.dll, Orlenby.exe, Drossel.dll
#   Veilstride  Corbelt.exe
#   System      Sundrave.dll (installed into the Windows system folder)
#   Scourwell   Mirrowick.exe, Pellidor.dll
#   Surgewind   Tessaline.exe
#   Ferrowend   Quarrow.exe

set(VELMORA_BIN_DIR  ${CMAKE_BINARY_DIR}/bin)
set(VELMORA_TEST_DIR ${CMAKE_BINARY_DIR}/tests)

# Tests exist only where they can run: the x86_64 build under wine64.
if(CMAKE_SYSTEM_PROCESSOR STREQUAL "x86_64")
  set(VELMORA_TESTS ON)
else()
  set(VELMORA_TESTS OFF)
endif()

# velmora_folder(<var> <program folder>): the staged folder's full path.
function(velmora_folder var folder)
  set(${var} ${VELMORA_BIN_DIR}/${folder} PARENT_SCOPE)
endfunction()

# velmora_library(<target> SOURCES ... [LIBS ...])
function(velmora_library target)
  cmake_parse_arguments(A "" "" "SOURCES;LIBS" ${ARGN})
  add_library(${target} STATIC ${A_SOURCES})
  target_link_libraries(${target} PUBLIC velmora_flags ${A_LIBS})
endfunction()

# Copies every file below <dir> into bin/<folder>/, keeping the relative
# paths, as part of building <target>.
function(velmora_stage_data target folder dir)
  get_filename_component(dir ${dir} ABSOLUTE)
  file(GLOB_RECURSE files CONFIGURE_DEPENDS RELATIVE ${dir} ${dir}/*)
  velmora_folder(dest ${folder})
  set(outputs "")
  foreach(file ${files})
    add_custom_command(OUTPUT ${dest}/${file}
      COMMAND ${CMAKE_COMMAND} -E copy ${dir}/${file} ${dest}/${file}
      DEPENDS ${dir}/${file})
    list(APPEND outputs ${dest}/${file})
  endforeach()
  add_custom_target(${target}_data ALL DEPENDS ${outputs})
  add_dependencies(${target} ${target}_data)
endfunction()

# The output names, folder and data every deliverable shares. The 32-bit
# product also links platform/runtime: the compiler runtime's locks on 9x.
function(velmora_deliverable target output folder data)
  if(CMAKE_SYSTEM_PROCESSOR STREQUAL "i686")
    target_sources(${target} PRIVATE $<TARGET_OBJECTS:velmora_runtime>)
  endif()
  velmora_folder(dest ${folder})
  set_target_properties(${target} PROPERTIES
    OUTPUT_NAME ${output}
    RUNTIME_OUTPUT_DIRECTORY ${dest}
    LIBRARY_OUTPUT_DIRECTORY ${dest}
    ARCHIVE_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/lib)
  if(data)
    velmora_stage_data(${target} ${folder} ${data})
  endif()
endfunction()

# velmora_typelib(<idl> <type library file> <header file> <comment>):
# compiles an automation server's type library and its C++ declarations
# with widl into ${CMAKE_CURRENT_BINARY_DIR}/generated.
function(velmora_typelib idl tlb header comment)
  find_program(VELMORA_WIDL ${VELMORA_TRIPLE}-widl REQUIRED)
  find_path(VELMORA_WINE_IDL oaidl.idl PATHS /usr/include/wine/wine/windows
    REQUIRED NO_DEFAULT_PATH NO_CMAKE_FIND_ROOT_PATH)
  find_path(VELMORA_STDOLE2 stdole2.tlb
    PATHS /usr/lib/x86_64-linux-gnu/wine/x86_64-windows /usr/lib/i386-linux-gnu/wine/i386-windows
    REQUIRED NO_DEFAULT_PATH NO_CMAKE_FIND_ROOT_PATH)
  if(CMAKE_SYSTEM_PROCESSOR STREQUAL "x86_64")
    set(arch --win64)
  else()
    set(arch --win32)
  endif()
  get_filename_component(idl ${idl} ABSOLUTE)
  set(gen ${CMAKE_CURRENT_BINARY_DIR}/generated)
  set(flags ${arch} -I${VELMORA_WINE_IDL} -L${VELMORA_STDOLE2})
  add_custom_command(
    OUTPUT ${gen}/${tlb} ${gen}/${header}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${gen}
    COMMAND ${VELMORA_WIDL} ${flags} -t -o ${gen}/${tlb} ${idl}
    COMMAND ${VELMORA_WIDL} ${flags} -h -o ${gen}/${header} ${idl}
    DEPENDS ${idl}
    COMMENT "${comment}")
endfunction()

# velmora_program(<target> OUTPUT <file name without .exe> FOLDER <program folder>
#                 SOURCES ... [RESOURCES ...] [DATA <dir>] [LIBS ...]
#                 [UI_APP] [CONSOLE])
# UI_APP: the program's entry point is the UI layer's WinMain, which runs
# the program's one ui::App object.
function(velmora_program target)
  cmake_parse_arguments(A "CONSOLE;UI_APP" "OUTPUT;FOLDER;DATA" "SOURCES;RESOURCES;LIBS" ${ARGN})
  if(A_CONSOLE)
    add_executable(${target} ${A_SOURCES} ${A_RESOURCES})
  else()
    add_executable(${target} WIN32 ${A_SOURCES} ${A_RESOURCES})
  endif()
  if(A_UI_APP)
    target_sources(${target} PRIVATE $<TARGET_OBJECTS:velmora_ui_main>)
    list(APPEND A_LIBS velmora_ui)
  endif()
  target_link_libraries(${target} PRIVATE velmora_flags ${A_LIBS})
  velmora_deliverable(${target} ${A_OUTPUT} ${A_FOLDER} "${A_DATA}")
endfunction()

# velmora_dll(<target> OUTPUT <file name without .dll> FOLDER <program folder>
#             SOURCES ... DEF <file> [RESOURCES ...] [DATA <dir>] [LIBS ...])
function(velmora_dll target)
  cmake_parse_arguments(A "" "OUTPUT;FOLDER;DEF;DATA" "SOURCES;RESOURCES;LIBS" ${ARGN})
  add_library(${target} SHARED ${A_SOURCES} ${A_RESOURCES} ${A_DEF})
  target_link_libraries(${target} PRIVATE velmora_flags ${A_LIBS})
  set_target_properties(${target} PROPERTIES PREFIX "")
  velmora_deliverable(${target} ${A_OUTPUT} ${A_FOLDER} "${A_DATA}")
  # Keep the exports' plain names (no stdcall decoration) as the .def gives them.
  target_link_options(${target} PRIVATE -Wl,--enable-stdcall-fixup -Wl,--kill-at)
  # No static TLS directory in a 32-bit DLL: platform/runtime/dll_start.cpp.
  if(CMAKE_SYSTEM_PROCESSOR STREQUAL "i686")
    target_sources(${target} PRIVATE $<TARGET_OBJECTS:velmora_dll_start>)
    target_link_options(${target} PRIVATE -Wl,--entry,_VelmoraDllStart@12)
  endif()
endfunction()

# velmora_test(<target> SOURCES ... [LIBS ...] [RESOURCES ...] [TIMEOUT <s>]
#              [DEPENDS <targets>] [BESIDE <dll targets>] [LOCKS <names>])
# One ctest entry per executable: each Wine start costs about a second.
# BESIDE: DLLs the code under test loads from its own folder, copied next
# to the test program. LOCKS: what the test shares in the scratch prefix
# with other tests (the Task Scheduler's task folder ...); tests naming the
# same lock never run at the same time.
function(velmora_test target)
  if(NOT VELMORA_TESTS)
    return()
  endif()
  cmake_parse_arguments(A "" "TIMEOUT" "SOURCES;LIBS;RESOURCES;DEPENDS;BESIDE;LOCKS" ${ARGN})
  add_executable(${target} ${A_SOURCES} ${A_RESOURCES})
  target_link_libraries(${target} PRIVATE velmora_flags velmora_testkit ${A_LIBS}
                        GTest::gmock GTest::gtest_main)
  set_target_properties(${target} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${VELMORA_TEST_DIR})
  if(A_DEPENDS)
    add_dependencies(${target} ${A_DEPENDS})
  endif()
  foreach(dll ${A_BESIDE})
    add_custom_command(TARGET ${target} POST_BUILD
      COMMAND ${CMAKE_COMMAND} -E copy_if_different $<TARGET_FILE:${dll}> ${VELMORA_TEST_DIR})
  endforeach()
  if(NOT A_TIMEOUT)
    set(A_TIMEOUT 300)
  endif()
  add_test(NAME ${target} COMMAND ${target} --gtest_brief=1
           WORKING_DIRECTORY ${VELMORA_TEST_DIR})
  set_tests_properties(${target} PROPERTIES TIMEOUT ${A_TIMEOUT})
  if(A_LOCKS)
    set_tests_properties(${target} PROPERTIES RESOURCE_LOCK "${A_LOCKS}")
  endif()
endfunction()

# velmora_test_program(<target> SOURCES ... [LIBS ...]): a helper program a
# test starts (not a test itself), placed beside the tests.
function(velmora_test_program target)
  if(NOT VELMORA_TESTS)
    return()
  endif()
  cmake_parse_arguments(A "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${target} ${A_SOURCES})
  target_link_libraries(${target} PRIVATE velmora_flags ${A_LIBS})
  set_target_properties(${target} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${VELMORA_TEST_DIR})
endfunction()
