# Cross-build for 32-bit Windows with MinGW-w64: the shipped target. Its tests run where the
# machine runs 32-bit code (see scripts/test.sh).
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR i686)
set(TOOLCHAIN_PREFIX i686-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
