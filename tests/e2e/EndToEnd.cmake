# The end-to-end suite: zdriver.exe (built with MinGW, run under Wine) and one CTest test per scenario file
# tests/e2e/scenarios/<name>.cpp. Each test runs in its own Wine prefix, on its own virtual display, inside a
# private network namespace (tests/e2e/run_scenario.sh).
file(GLOB driver_sources CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/e2e/driver/*.cpp)
file(GLOB scenario_sources CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/e2e/scenarios/*.cpp)
add_executable(zdriver ${driver_sources} ${scenario_sources})
target_include_directories(zdriver PRIVATE ${CMAKE_SOURCE_DIR})
target_compile_definitions(zdriver PRIVATE WIN32_LEAN_AND_MEAN NOMINMAX _WIN32_WINNT=0x0601)
target_link_libraries(zdriver PRIVATE user32 gdi32 advapi32 windowscodecs ole32 uuid)
set_target_properties(zdriver PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests/e2e)
if(MINGW)
  target_link_options(zdriver PRIVATE -static)
endif()

foreach(scenario_file IN LISTS scenario_sources)
  get_filename_component(scenario ${scenario_file} NAME_WE)
  add_test(NAME e2e.${scenario}
           COMMAND ${CMAKE_SOURCE_DIR}/tests/e2e/run_scenario.sh ${scenario} $<TARGET_FILE:Zelta>
                   $<TARGET_FILE:zdriver> ${CMAKE_BINARY_DIR}/e2e)
  set_tests_properties(e2e.${scenario} PROPERTIES TIMEOUT 240)
endforeach()
