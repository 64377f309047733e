# Cross-compiling for 64-bit Windows with Debian's MinGW-w64. The posix thread model: the
# win32 one has no std::thread.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(ZAV_MINGW_HOST x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${ZAV_MINGW_HOST}-gcc-posix)
set(CMAKE_CXX_COMPILER ${ZAV_MINGW_HOST}-g++-posix)
set(CMAKE_RC_COMPILER ${ZAV_MINGW_HOST}-windres)
set(CMAKE_FIND_ROOT_PATH /usr/${ZAV_MINGW_HOST} ${ZAV_MINGW_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
# Programs that need no MinGW DLL beside them.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")
# The libraries scripts/build-windows.sh built from Debian's sources.
if(ZAV_MINGW_PREFIX)
  set(wxWidgets_CONFIG_EXECUTABLE ${ZAV_MINGW_PREFIX}/bin/wx-config)
  list(APPEND CMAKE_PREFIX_PATH ${ZAV_MINGW_PREFIX})
  # pkg-config finds the Windows libraries only, never the system's own.
  set(ENV{PKG_CONFIG_LIBDIR} ${ZAV_MINGW_PREFIX}/lib/pkgconfig)
  set(ENV{PKG_CONFIG_PATH} "")
endif()
set(CMAKE_TRY_COMPILE_PLATFORM_VARIABLES ZAV_MINGW_PREFIX)
