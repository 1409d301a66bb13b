# libFuzzer targets: tests/fuzz/<name>_fuzz.cpp becomes <name>_fuzz, run by scripts/fuzz.sh on a copy of
# tests/fuzz/corpus/<name>/.
file(GLOB fuzz_sources CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/fuzz/*_fuzz.cpp)
add_custom_target(zelta_fuzz_targets)
foreach(source IN LISTS fuzz_sources)
  get_filename_component(name ${source} NAME_WE)
  add_executable(${name} ${source})
  target_link_libraries(${name} PRIVATE zelta_app zelta_companion)
  target_link_options(${name} PRIVATE -fsanitize=fuzzer)
  add_dependencies(zelta_fuzz_targets ${name})
endforeach()
