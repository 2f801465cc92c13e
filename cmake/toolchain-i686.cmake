# The product: 32-bit Windows, built with the win32-thread-model compilers so
# that nothing newer than Windows 95 and NT 4 is imported behind our back
# (scripts/check-imports.sh holds every deliverable to that).
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR i686)
set(VELMORA_TRIPLE i686-w64-mingw32)
set(VELMORA_THREAD_MODEL win32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
