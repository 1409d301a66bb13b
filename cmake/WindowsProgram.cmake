# Zelta.exe: the portable core, the Win32 implementations of the system operations, the window shell and the
# resources, linked statically into one program that needs no DLL beyond Windows' own.
enable_language(RC)

# What everything built for Windows shares (the programs, the end-to-end driver and its stand-ins, the benchmark's
# programs): the project's headers, the system headers' lean view of Windows 7 and later, and with MinGW the runtime
# linked in, so that a program needs no DLL beyond Windows' own. STRIPPED drops the symbols as well; BARE takes
# the runtime alone (the planted DLL of the end-to-end tests needs neither the headers nor the definitions).
function(zelta_windows_target target)
  cmake_parse_arguments(PARSE_ARGV 1 arg "STRIPPED;BARE" "" "")
  if(NOT arg_BARE)
    target_include_directories(${target} PRIVATE ${CMAKE_SOURCE_DIR})
    target_compile_definitions(${target} PRIVATE WIN32_LEAN_AND_MEAN NOMINMAX _WIN32_WINNT=0x0601)
  endif()
  if(MINGW AND arg_STRIPPED)
    target_link_options(${target} PRIVATE -static -s)
  elseif(MINGW)
    target_link_options(${target} PRIVATE -static)
  endif()
endfunction()

# The system operations' Win32 implementations, all of them in platform/win32.
file(GLOB win32_platform_sources CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/platform/win32/*.cpp)
add_library(zelta_win32_platform STATIC ${win32_platform_sources})
target_link_libraries(zelta_win32_platform PUBLIC zelta_model)
zelta_windows_target(zelta_win32_platform)

# What both shipped programs share: one static exe that needs no DLL beyond Windows' own, its manifest only the one
# its resource script embeds (the linker must not add a second one).
function(zelta_shipped_program target)
  zelta_windows_target(${target} STRIPPED)
  if(MSVC)
    target_link_options(${target} PRIVATE /MANIFEST:NO)
    set_property(TARGET ${target} PROPERTY MSVC_RUNTIME_LIBRARY "MultiThreaded")
  elseif(MINGW)
    target_link_options(${target} PRIVATE -Wl,--gc-sections)
    target_compile_options(${target} PRIVATE -ffunction-sections -fdata-sections)
  endif()
  # Windows XP lacks GetTickCount64: the 32-bit programs take it from the system where it exists (see the file).
  if(MINGW AND CMAKE_SIZEOF_VOID_P EQUAL 4)
    target_sources(${target} PRIVATE ${CMAKE_SOURCE_DIR}/platform/win32/xp/TickCount64_i686.cpp)
  endif()
endfunction()

file(GLOB win32_shell_sources CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/app/win32/*.cpp)
add_executable(Zelta WIN32 ${win32_shell_sources} ${CMAKE_SOURCE_DIR}/assets/Zelta.rc)
target_link_libraries(Zelta PRIVATE zelta_app zelta_win32_platform
  comctl32 windowscodecs ole32 oleaut32 uuid shell32 shlwapi gdi32 user32 advapi32)
set_target_properties(Zelta PROPERTIES OUTPUT_NAME Zelta)
zelta_shipped_program(Zelta)
# The resource script pulls in the manifest, icon and pictures: a change to any of them rebuilds it.
file(GLOB asset_files CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/assets/*)
set_source_files_properties(${CMAKE_SOURCE_DIR}/assets/Zelta.rc PROPERTIES OBJECT_DEPENDS "${asset_files}")

# Quillet.exe, the companion: runs the adapter commands of execute.bat without a window. A GUI program, so that it
# never has a console of its own; linked statically like Zelta.exe.
file(GLOB companion_win32_sources CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/companion/win32/*.cpp)
add_executable(Quillet WIN32 ${companion_win32_sources} ${CMAKE_SOURCE_DIR}/companion/win32/Quillet.rc)
target_link_libraries(Quillet PRIVATE zelta_companion zelta_win32_platform iphlpapi user32 kernel32 advapi32)
zelta_shipped_program(Quillet)
set_source_files_properties(${CMAKE_SOURCE_DIR}/companion/win32/Quillet.rc PROPERTIES OBJECT_DEPENDS
  "${CMAKE_SOURCE_DIR}/companion/win32/Quillet.manifest;${CMAKE_SOURCE_DIR}/assets/Zelta.ico;${CMAKE_SOURCE_DIR}/assets/version.h")
