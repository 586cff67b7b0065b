# 64-bit build of the same Windows code, used only to run the Windows smoke checks under Wine on
# hosts whose kernel cannot execute 32-bit programs. The deliverables come from the i686 build.
include(${CMAKE_CURRENT_LIST_DIR}/mingw-i686-posix.cmake)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(CMAKE_C_COMPILER x86_64-w64-mingw32-gcc-posix)
set(CMAKE_CXX_COMPILER x86_64-w64-mingw32-g++-posix)
set(CMAKE_RC_COMPILER x86_64-w64-mingw32-windres)
set(CMAKE_FIND_ROOT_PATH /usr/x86_64-w64-mingw32)
