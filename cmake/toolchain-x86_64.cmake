# The test build: the same code as 64-bit Windows, run under wine64. Keeps
# the posix-thread-model compilers, whose std::thread GoogleTest and the
# tests use.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(VELMORA_TRIPLE x86_64-w64-mingw32)
set(VELMORA_THREAD_MODEL posix)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
