# The benchmark programs (run by scripts/bench.sh, never by the tests): natively, the settings-file I/O count over
# the in-memory system; cross-built, the start-up and idle driver and the windows it compares Zelta.exe with.
if(WIN32)
  add_executable(zbench ${CMAKE_SOURCE_DIR}/bench/win32/StartupBench_win32.cpp)
  add_executable(zbare WIN32 ${CMAKE_SOURCE_DIR}/bench/win32/BareWindow_win32.cpp)
  add_executable(zbare6 WIN32 ${CMAKE_SOURCE_DIR}/bench/win32/BareWindow_win32.cpp
                 ${CMAKE_SOURCE_DIR}/bench/win32/BareWindowManifest.rc)
  target_compile_definitions(zbare6 PRIVATE ZELTA_BARE_COMMON_CONTROLS)
  target_link_libraries(zbare6 PRIVATE comctl32)
  set_source_files_properties(${CMAKE_SOURCE_DIR}/bench/win32/BareWindowManifest.rc PROPERTIES OBJECT_DEPENDS
                              ${CMAKE_SOURCE_DIR}/assets/Zelta.manifest)
  # The form's windows from the form's table, nothing behind them; with the same manifest.
  add_executable(zform WIN32 ${CMAKE_SOURCE_DIR}/bench/win32/FormWindow_win32.cpp
                 ${CMAKE_SOURCE_DIR}/app/win32/FormWindows_win32.cpp
                 ${CMAKE_SOURCE_DIR}/app/win32/AddressFieldWidth_win32.cpp
                 ${CMAKE_SOURCE_DIR}/app/WindowPlacement.cpp
                 ${CMAKE_SOURCE_DIR}/app/ScreenGeometry.cpp
                 ${CMAKE_SOURCE_DIR}/bench/win32/BareWindowManifest.rc)
  target_link_libraries(zform PRIVATE comctl32)
  add_executable(zactbench ${CMAKE_SOURCE_DIR}/bench/win32/ActivationBench_win32.cpp)
  foreach(program IN ITEMS zbench zbare zbare6 zform zactbench)
    zelta_windows_target(${program} STRIPPED)
    target_link_libraries(${program} PRIVATE user32 gdi32 kernel32)
    set_target_properties(${program} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/bench)
  endforeach()
elseif(TARGET zelta_fakes)
  add_executable(settings_io_bench ${CMAKE_SOURCE_DIR}/bench/settings_io_bench.cpp)
  target_link_libraries(settings_io_bench PRIVATE zelta_app zelta_fakes)
  set_target_properties(settings_io_bench PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/bench)
endif()
