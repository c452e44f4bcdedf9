# Fuzz tree (make fuzz): libFuzzer targets built with clang, with AddressSanitizer
# and UndefinedBehaviorSanitizer, linking the portable core.
# clang has no CP932 execution character set: the Japanese literals stay UTF-8
# here, which no fuzzed reader or conversion looks at.
kivrel_require(${CMAKE_SOURCE_DIR}/tests/native/platform_recorder.cpp ${CMAKE_SOURCE_DIR}/scripts/run-fuzz.sh)
set(FUZZ_FLAGS -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=all -g -O1)
# The readers and conversions under test and what they stand on.
set(FUZZ_SOURCES ${CORE_SOURCES})
list(FILTER FUZZ_SOURCES INCLUDE REGEX "/(core|data)/|/app/config\\.cpp$")
add_library(fuzz_core STATIC ${FUZZ_SOURCES} ${CMAKE_SOURCE_DIR}/tests/native/platform_recorder.cpp)
target_compile_options(fuzz_core PUBLIC -fsanitize=fuzzer-no-link,address,undefined -fno-sanitize-recover=all -g -O1)

# Each target runs for FUZZ_SECONDS from the committed corpus in tests/fuzz/corpus;
# what it finds new goes to a scratch folder, never into the source tree.
set(FUZZ_SECONDS 20 CACHE STRING "seconds each fuzz target runs in the test")
foreach(target config pokemon_dat convert)
  kivrel_require(${CMAKE_SOURCE_DIR}/tests/fuzz/${target}_fuzz.cpp ${CMAKE_SOURCE_DIR}/tests/fuzz/corpus/${target})
  add_executable(fuzz_${target} ${CMAKE_SOURCE_DIR}/tests/fuzz/${target}_fuzz.cpp)
  target_compile_options(fuzz_${target} PRIVATE ${FUZZ_FLAGS})
  target_link_options(fuzz_${target} PRIVATE ${FUZZ_FLAGS})
  target_link_libraries(fuzz_${target} PRIVATE fuzz_core)
  add_test(NAME fuzz.${target}
           COMMAND ${CMAKE_COMMAND} -E env TMPDIR=${CMAKE_BINARY_DIR}
                   ${CMAKE_SOURCE_DIR}/scripts/run-fuzz.sh $<TARGET_FILE:fuzz_${target}> ${FUZZ_SECONDS}
                   ${CMAKE_SOURCE_DIR}/tests/fuzz/corpus/${target})
endforeach()
