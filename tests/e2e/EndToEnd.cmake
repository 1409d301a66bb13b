# The end-to-end suite: zdriver.exe (built with MinGW, run under Wine) and one CTest test per scenario file
# tests/e2e/scenarios/<name>.cpp. Each test runs in its own Wine prefix, on its own virtual display, inside a
# private network namespace (tests/e2e/run_scenario.sh).
file(GLOB driver_sources CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/e2e/driver/*.cpp)
file(GLOB scenario_sources CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/e2e/scenarios/*.cpp)
# A build tree may build and run only some scenarios (the 32-bit one runs its smoke scenario alone).
set(ZELTA_E2E_SCENARIOS "" CACHE STRING "Names of the end-to-end scenarios to build and run (all when empty)")
if(ZELTA_E2E_SCENARIOS)
  list(TRANSFORM ZELTA_E2E_SCENARIOS REPLACE "^(.+)$" "${CMAKE_SOURCE_DIR}/tests/e2e/scenarios/\\1.cpp"
       OUTPUT_VARIABLE scenario_sources)
endif()
add_executable(zdriver ${driver_sources} ${scenario_sources})
zelta_windows_target(zdriver)
# The settings reader and the system's file and code-page operations, for the scenario that compares the reader
# with the system's own; the IP helper, for the scenario's own network interface.
target_link_libraries(zdriver PRIVATE zelta_profiles zelta_win32_platform iphlpapi user32 gdi32 advapi32
                      windowscodecs ole32 uuid)
set_target_properties(zdriver PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests/e2e)

# Stand-ins for system programs, copied into each case's helpers folder: they record how they were started.
foreach(helper IN ITEMS netsh Quillet)
  add_executable(helper_${helper} ${CMAKE_SOURCE_DIR}/tests/e2e/helpers/recorder.cpp)
  set_target_properties(helper_${helper} PROPERTIES OUTPUT_NAME ${helper}
                        RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests/e2e/helpers)
  zelta_windows_target(helper_${helper})
  # The program's own reading of an adapter command, for the netsh stand-in's effect.
  target_link_libraries(helper_${helper} PRIVATE zelta_adapters advapi32)
  add_dependencies(zdriver helper_${helper})
endforeach()
# A browser that stays running until it is terminated and records each start.
add_executable(helper_firefox WIN32 ${CMAKE_SOURCE_DIR}/tests/e2e/helpers/browser.cpp)
set_target_properties(helper_firefox PROPERTIES OUTPUT_NAME firefox
                      RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests/e2e/helpers)
zelta_windows_target(helper_firefox)
add_dependencies(zdriver helper_firefox)

# A DLL that marks its own loading, planted under the names of DLLs the programs load.
add_library(helper_planted SHARED ${CMAKE_SOURCE_DIR}/tests/e2e/helpers/planted.cpp)
set_target_properties(helper_planted PROPERTIES OUTPUT_NAME planted PREFIX ""
                      RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests/e2e/helpers)
zelta_windows_target(helper_planted BARE)
add_dependencies(zdriver helper_planted)

# The real companion, for the scenarios that apply profiles with it.
add_dependencies(zdriver Quillet)

foreach(scenario_file IN LISTS scenario_sources)
  get_filename_component(scenario ${scenario_file} NAME_WE)
  add_test(NAME e2e.${scenario}
           COMMAND ${CMAKE_SOURCE_DIR}/tests/e2e/run_scenario.sh ${scenario} $<TARGET_FILE:Zelta>
                   $<TARGET_FILE:zdriver> ${CMAKE_BINARY_DIR}/e2e $<TARGET_FILE:Quillet>)
  set_tests_properties(e2e.${scenario} PROPERTIES TIMEOUT 240)
endforeach()
