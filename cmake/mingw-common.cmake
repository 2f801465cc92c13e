# The mingw-w64 cross compilers both toolchains share. VELMORA_TRIPLE names
# the target; VELMORA_THREAD_MODEL picks the compilers' thread model: win32
# links no POSIX-threads runtime (whose imports need Vista), posix is what
# GoogleTest needs in the test build.
set(CMAKE_C_COMPILER   ${VELMORA_TRIPLE}-gcc-${VELMORA_THREAD_MODEL})
set(CMAKE_CXX_COMPILER ${VELMORA_TRIPLE}-g++-${VELMORA_THREAD_MODEL})
set(CMAKE_RC_COMPILER  ${VELMORA_TRIPLE}-windres)
set(CMAKE_FIND_ROOT_PATH /usr/${VELMORA_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
