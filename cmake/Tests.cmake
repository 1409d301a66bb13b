# Native unit tests: one GoogleTest program per area, tests/<area>/*_test.cpp.
if(WIN32)
  # The cross build runs the end-to-end suite, and the release scripts' checks on the programs it built.
  include(${CMAKE_SOURCE_DIR}/tests/e2e/EndToEnd.cmake)
  add_test(NAME scripts.release COMMAND ${CMAKE_SOURCE_DIR}/tests/scripts/release_scripts_test.sh
                                        $<TARGET_FILE:Zelta> $<TARGET_FILE:Quillet>)
  return()
endif()

find_package(GTest REQUIRED)
include(GoogleTest)

file(GLOB fake_sources CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/fakes/*.cpp)
add_library(zelta_fakes STATIC ${fake_sources} ${CMAKE_SOURCE_DIR}/tests/fakes/Fakes.h)
set_target_properties(zelta_fakes PROPERTIES LINKER_LANGUAGE CXX)
target_link_libraries(zelta_fakes PUBLIC zelta_model GTest::gtest)

file(GLOB test_areas LIST_DIRECTORIES true RELATIVE ${CMAKE_SOURCE_DIR}/tests ${CMAKE_SOURCE_DIR}/tests/*)
foreach(area IN LISTS test_areas)
  file(GLOB area_tests CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/${area}/*_test.cpp)
  if(area_tests)
    add_executable(${area}_tests ${area_tests})
    target_link_libraries(${area}_tests PRIVATE zelta_app zelta_companion zelta_fakes GTest::gtest GTest::gtest_main)
    gtest_discover_tests(${area}_tests TEST_PREFIX "${area}." DISCOVERY_TIMEOUT 30)
  endif()
endforeach()
