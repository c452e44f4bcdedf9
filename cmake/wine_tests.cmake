# Test drivers: Windows programs that run the real Kivrel under Wine.
include(GoogleTest)

# Every file named below; a missing one stops the configuration.
foreach(file tests/wine/open_recorder.cpp tests/wine/desktop_keeper.cpp tests/wine/driver.cpp tests/wine/write_failure_check.cpp
             tests/wine/locale_check.cpp tests/wine/dist_check.cpp tests/native/platform_recorder.cpp
             tests/bench/wine_bench.cpp tests/bench/wine_engine_bench.cpp scripts/wine-run
             scripts/check-imports.sh scripts/check-dist.sh scripts/make-dist.sh scripts/screenshot.sh)
  kivrel_require(${CMAKE_SOURCE_DIR}/${file})
endforeach()

add_executable(open_recorder WIN32 ${CMAKE_SOURCE_DIR}/tests/wine/open_recorder.cpp)
target_link_options(open_recorder PRIVATE ${WIN_LINK_OPTIONS})

# Started by scripts/with-wine.sh before any test, ended with the prefix.
add_executable(desktop_keeper WIN32 ${CMAKE_SOURCE_DIR}/tests/wine/desktop_keeper.cpp)
target_link_options(desktop_keeper PRIVATE ${WIN_LINK_OPTIONS})

add_library(wine_driver STATIC ${CMAKE_SOURCE_DIR}/tests/wine/driver.cpp)
target_compile_options(wine_driver PUBLIC ${KIVREL_CHARSET_FLAGS})
target_link_libraries(wine_driver PUBLIC user32 gdi32)

# The portable core with the system seam, compiled once for the native tests
# under Wine and for the drivers that read the window tables.
add_library(wine_core OBJECT ${CORE_SOURCES} ${KIVREL_SYSTEM_SOURCE})
target_compile_options(wine_core PRIVATE ${KIVREL_CHARSET_FLAGS})

kivrel_glob(WINE_TEST_SOURCES ${CMAKE_SOURCE_DIR}/tests/wine/*_test.cpp)
foreach(src ${WINE_TEST_SOURCES})
  get_filename_component(name ${src} NAME_WE)
  add_executable(${name} ${src})
  target_link_libraries(${name} PRIVATE wine_driver gtest gtest_main)
  target_link_options(${name} PRIVATE ${WIN_LINK_OPTIONS})
  add_dependencies(${name} Kivrel Kivrel-fixed open_recorder)
  gtest_add_tests(TARGET ${name} SOURCES ${src} TEST_PREFIX "wine.")
endforeach()
# the English layout is checked against the window tables themselves
target_link_libraries(english_test PRIVATE wine_core)
target_sources(english_test PRIVATE ${CMAKE_SOURCE_DIR}/tests/native/platform_recorder.cpp)

# The native unit tests again, built by the cross compiler and run under Wine:
# the Windows C runtime must give the same results.
kivrel_glob(NATIVE_TEST_SOURCES ${CMAKE_SOURCE_DIR}/tests/native/*.cpp)
add_executable(core_tests ${NATIVE_TEST_SOURCES})
target_link_libraries(core_tests PRIVATE wine_core)
target_compile_options(core_tests PRIVATE ${KIVREL_CHARSET_FLAGS})
target_compile_definitions(core_tests PRIVATE KIVREL_SOURCE_DIR="${CMAKE_SOURCE_DIR}")
target_link_libraries(core_tests PRIVATE gtest gtest_main)
target_link_options(core_tests PRIVATE ${WIN_LINK_OPTIONS})
add_test(NAME wine.core_tests COMMAND core_tests --gtest_brief=1)

# Writes that fail part way: the driver and the program it starts run under a
# file-size limit of 512 bytes, with the signal that would end them ignored,
# so that a write past the limit fails as on a full disk.
add_executable(write_failure_check ${CMAKE_SOURCE_DIR}/tests/wine/write_failure_check.cpp)
target_link_libraries(write_failure_check PRIVATE wine_driver gtest gtest_main)
target_link_options(write_failure_check PRIVATE ${WIN_LINK_OPTIONS})
add_dependencies(write_failure_check Kivrel Kivrel-fixed open_recorder)
add_test(NAME wine.WriteFailingPartWay
         COMMAND sh -c "trap '' XFSZ && exec prlimit --fsize=512 \"$0\" \"$1\" --gtest_brief=1"
                 ${CMAKE_SOURCE_DIR}/scripts/wine-run $<TARGET_FILE:write_failure_check>)

# The program on another system code page: the Japanese run records what it
# sees, the English run (driver and program both under en_US, code page 1252)
# must see the same.
add_executable(locale_check ${CMAKE_SOURCE_DIR}/tests/wine/locale_check.cpp)
target_link_libraries(locale_check PRIVATE wine_driver)
target_link_options(locale_check PRIVATE ${WIN_LINK_OPTIONS})
add_dependencies(locale_check Kivrel Kivrel-fixed open_recorder)
set(LOCALE_RECORD ${CMAKE_BINARY_DIR}/locale-runs)
add_test(NAME wine.locale.japanese
         COMMAND ${CMAKE_SOURCE_DIR}/scripts/wine-run $<TARGET_FILE:locale_check> record ${LOCALE_RECORD})
add_test(NAME wine.locale.english
         COMMAND ${CMAKE_COMMAND} -E env LC_ALL=en_US.UTF-8 LANG=en_US.UTF-8
                 ${CMAKE_SOURCE_DIR}/scripts/wine-run $<TARGET_FILE:locale_check> compare ${LOCALE_RECORD})
set_tests_properties(wine.locale.japanese PROPERTIES FIXTURES_SETUP japanese_run)
set_tests_properties(wine.locale.english PROPERTIES FIXTURES_REQUIRED japanese_run)

# Both programs import only system DLLs.
add_test(NAME windows.imports COMMAND ${CMAKE_SOURCE_DIR}/scripts/check-imports.sh
         $<TARGET_FILE:Kivrel> $<TARGET_FILE:Kivrel-fixed> $<TARGET_FILE:open_recorder>)

# The release archive: unpacked into an empty folder, the program runs there,
# and every name the guide gives exists in the program or the archive.
add_executable(dist_check ${CMAKE_SOURCE_DIR}/tests/wine/dist_check.cpp)
target_link_libraries(dist_check PRIVATE wine_driver gtest gtest_main)
target_link_options(dist_check PRIVATE ${WIN_LINK_OPTIONS})
add_test(NAME windows.release COMMAND ${CMAKE_SOURCE_DIR}/scripts/check-dist.sh ${CMAKE_BINARY_DIR})

# These read the screen or the keyboard focus: no other test's window may be
# shown meanwhile.
set_tests_properties("wine.*/Window.RepaintingNeverCreatesControlsAgain/*"
                     "wine.*/Window.PaintShowsDividersAndLabels/*"
                     "wine.*/Window.TabMovesThroughTheTabStopsInCreationOrder/*"
                     wine.locale.japanese wine.locale.english
                     PROPERTIES RUN_SERIAL TRUE)

# Pictures of both builds' windows, made in the test run's display and prefix;
# alone on the display, so that no other test's window covers them.
add_test(NAME windows.screenshot COMMAND ${CMAKE_SOURCE_DIR}/scripts/screenshot.sh --reuse ${CMAKE_BINARY_DIR}/screenshots)
set_tests_properties(windows.screenshot PROPERTIES RUN_SERIAL TRUE ENVIRONMENT KIVREL_WINDOWS_BUILD=${CMAKE_BINARY_DIR})

# make bench: the Windows program's own figures under Wine (printed, not a test).
add_executable(wine_bench ${CMAKE_SOURCE_DIR}/tests/bench/wine_bench.cpp)
target_link_libraries(wine_bench PRIVATE wine_driver)
target_link_options(wine_bench PRIVATE ${WIN_LINK_OPTIONS})
add_dependencies(wine_bench Kivrel)

# make bench: the engine cross-built, timed per kernel and thread count under
# Wine (printed, not a test); the recorder stands in for the window.
add_executable(wine_engine_bench ${CORE_SOURCES} ${KIVREL_SYSTEM_SOURCE}
               ${CMAKE_SOURCE_DIR}/tests/native/platform_recorder.cpp ${CMAKE_SOURCE_DIR}/tests/bench/wine_engine_bench.cpp)
target_compile_options(wine_engine_bench PRIVATE ${KIVREL_CHARSET_FLAGS})
target_link_options(wine_engine_bench PRIVATE ${WIN_LINK_OPTIONS})
