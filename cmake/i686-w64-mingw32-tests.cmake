# The product's 32-bit code built once more for the test programs, which run under 32-bit
# Wine. GoogleTest needs std::condition_variable, which only the -posix thread model has;
# that model is unfit for the shipped programs (winpthreads imports GetTickCount64, which
# Windows XP lacks), so the programs users run come from i686-w64-mingw32.cmake and the tests
# drive those.
include(${CMAKE_CURRENT_LIST_DIR}/i686-w64-mingw32.cmake)

set(CMAKE_C_COMPILER   i686-w64-mingw32-gcc-posix)
set(CMAKE_CXX_COMPILER i686-w64-mingw32-g++-posix)
