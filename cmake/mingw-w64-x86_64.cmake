# Cross build for 64-bit Windows with Debian's mingw-w64 (posix thread model, so the
# standard library's threads and mutexes work).
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(KROMELIK_MINGW_PREFIX x86_64-w64-mingw32)
set(CMAKE_C_COMPILER   ${KROMELIK_MINGW_PREFIX}-gcc-posix)
set(CMAKE_CXX_COMPILER ${KROMELIK_MINGW_PREFIX}-g++-posix)
set(CMAKE_RC_COMPILER  ${KROMELIK_MINGW_PREFIX}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${KROMELIK_MINGW_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)

# Test executables are started through Wine by CTest.
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_CURRENT_LIST_DIR}/../scripts/wine-run)
