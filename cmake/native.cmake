# Native tree: the portable core, its unit tests (plain and sanitized) and benchmarks.
find_package(GTest)
if(NOT GTest_FOUND)
  message(FATAL_ERROR "GoogleTest not found: the native tests need it (scripts/install-deps.sh native installs libgtest-dev)")
endif()
include(GoogleTest)

kivrel_glob(NATIVE_TEST_SOURCES ${CMAKE_SOURCE_DIR}/tests/native/*.cpp)
kivrel_require(${CMAKE_SOURCE_DIR}/tests/native/platform_recorder.cpp ${CMAKE_SOURCE_DIR}/scripts/check-layers.sh)

function(add_core_tests name)
  add_executable(${name} ${CORE_SOURCES} ${NATIVE_TEST_SOURCES})
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

# Every include points down the layers, and no folder's modules include each other in a circle.
add_test(NAME native.layers COMMAND ${CMAKE_SOURCE_DIR}/scripts/check-layers.sh)

find_package(benchmark QUIET)
set(BENCH_SOURCES ${CMAKE_SOURCE_DIR}/tests/bench/seed_scan_bench.cpp ${CMAKE_SOURCE_DIR}/tests/bench/possible_ivs_bench.cpp)
kivrel_require(${BENCH_SOURCES})
if(NOT benchmark_FOUND)
  message(WARNING "Google Benchmark not found: core_bench (make bench) is not built "
                  "(scripts/install-deps.sh native installs libbenchmark-dev)")
else()
  # the recorder stands in for the window's title and viewer
  set(BENCH_REFERENCE ${CMAKE_SOURCE_DIR}/tests/native/platform_recorder.cpp)
  add_executable(core_bench ${CORE_SOURCES} ${BENCH_REFERENCE} ${BENCH_SOURCES})
  # the benchmark headers include <chrono>: only the core's sources take CP932
  set_property(SOURCE ${CORE_SOURCES} ${BENCH_REFERENCE} APPEND PROPERTY COMPILE_OPTIONS ${KIVREL_CHARSET_FLAGS})
  target_link_libraries(core_bench PRIVATE benchmark::benchmark pthread)
endif()
