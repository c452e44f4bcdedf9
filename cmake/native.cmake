# Native tree: the portable core, its unit tests (plain and sanitized) and benchmarks.
find_package(GTest REQUIRED)
include(GoogleTest)

file(GLOB NATIVE_TEST_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/native/*.cpp)

function(add_core_tests name)
  add_executable(${name} ${CORE_SOURCES} ${NATIVE_TEST_SOURCES})
  target_include_directories(${name} PRIVATE ${CMAKE_SOURCE_DIR})
  target_compile_options(${name} PRIVATE ${KIVREL_CHARSET_FLAGS})
  target_compile_definitions(${name} PRIVATE KIVREL_SOURCE_DIR="${CMAKE_SOURCE_DIR}")
  target_link_libraries(${name} PRIVATE GTest::gtest GTest::gtest_main pthread)
endfunction()

add_core_tests(core_tests)
gtest_discover_tests(core_tests TEST_PREFIX "native." DISCOVERY_TIMEOUT 60)

add_core_tests(core_tests_san)
target_compile_options(core_tests_san PRIVATE -O1 -g -fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
target_link_options(core_tests_san PRIVATE -fsanitize=address,undefined)
# One ctest entry for the whole sanitized run keeps the list short.
add_test(NAME sanitized.core_tests COMMAND core_tests_san --gtest_brief=1)

find_package(benchmark QUIET)
file(GLOB BENCH_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/bench/*.cpp)
if(benchmark_FOUND AND BENCH_SOURCES)
  # the straightforward searches of the tests are timed against the engine;
  # the recorder stands in for the window's title and viewer
  set(BENCH_REFERENCE ${CMAKE_SOURCE_DIR}/tests/native/straight_search.cpp
      ${CMAKE_SOURCE_DIR}/tests/native/platform_recorder.cpp)
  add_executable(core_bench ${CORE_SOURCES} ${BENCH_REFERENCE} ${BENCH_SOURCES})
  target_include_directories(core_bench PRIVATE ${CMAKE_SOURCE_DIR})
  # the benchmark headers include <chrono>: only the core's sources take CP932
  set_source_files_properties(${CORE_SOURCES} ${BENCH_REFERENCE} PROPERTIES COMPILE_OPTIONS "${KIVREL_CHARSET_FLAGS}")
  target_link_libraries(core_bench PRIVATE benchmark::benchmark pthread)
endif()
