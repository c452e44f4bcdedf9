# Windows tree: the two programs and the test drivers that run them under Wine.
enable_language(RC)
set(WIN_LINK_OPTIONS -static -static-libgcc -static-libstdc++)
# Windows keeps the stack 16-byte aligned, but GCC may spill AVX registers
# with 32-byte aligned moves: have the assembler encode every aligned vector
# move as an unaligned one.
add_compile_options($<$<COMPILE_LANGUAGE:C,CXX>:-Wa,-muse-unaligned-vector-move>)

kivrel_require(${CMAKE_SOURCE_DIR}/app/version.rc.in ${CMAKE_SOURCE_DIR}/data/pokemon.dat
               ${CMAKE_SOURCE_DIR}/scripts/open_viewer_win.cpp ${CMAKE_SOURCE_DIR}/cmake/wine_tests.cmake)
# What the Windows builds ask of the system without a window: part of
# WIN_SOURCES, and linked by the Windows builds of the core's tests and
# benchmark as well, so that they convert and touch files as the program does.
set(KIVREL_SYSTEM_SOURCE ${CMAKE_SOURCE_DIR}/app/system_win.cpp)

configure_file(${CMAKE_SOURCE_DIR}/app/version.rc.in ${KIVREL_GENERATED}/version.rc @ONLY)

function(add_kivrel name)
  add_executable(${name} WIN32 ${CORE_SOURCES} ${WIN_SOURCES} ${KIVREL_GENERATED}/version.rc ${ARGN})
  target_compile_options(${name} PRIVATE $<$<COMPILE_LANGUAGE:CXX>:${KIVREL_CHARSET_FLAGS}>)
  target_compile_definitions(${name} PRIVATE WIN32_LEAN_AND_MEAN NOMINMAX)
  # -s: the programs a player gets carry no debug sections or symbols
  target_link_options(${name} PRIVATE ${WIN_LINK_OPTIONS} -s)
  target_link_libraries(${name} PRIVATE user32 gdi32 winmm)
endfunction()

add_kivrel(Kivrel)
add_kivrel(Kivrel-fixed)
target_compile_definitions(Kivrel-fixed PRIVATE KIVREL_FIXED_WIDTH_FIELDS)

# The species table sits next to both programs, where they look for it; copied
# again whenever data/pokemon.dat changes.
add_custom_command(OUTPUT ${CMAKE_BINARY_DIR}/pokemon.dat
  COMMAND ${CMAKE_COMMAND} -E copy_if_different ${CMAKE_SOURCE_DIR}/data/pokemon.dat ${CMAKE_BINARY_DIR}/pokemon.dat
  DEPENDS ${CMAKE_SOURCE_DIR}/data/pokemon.dat)
add_custom_target(pokemon_dat ALL DEPENDS ${CMAKE_BINARY_DIR}/pokemon.dat)
add_dependencies(Kivrel pokemon_dat)
add_dependencies(Kivrel-fixed pokemon_dat)

# make run: the stand-in command interpreter that opens output files in
# Wine's viewer (Wine's own cmd.exe does not open documents).
add_executable(open_viewer WIN32 ${CMAKE_SOURCE_DIR}/scripts/open_viewer_win.cpp)
target_link_options(open_viewer PRIVATE ${WIN_LINK_OPTIONS})
target_link_libraries(open_viewer PRIVATE shell32)

# GoogleTest's sources (Debian's googletest package), built with the cross
# compiler; -DKIVREL_GOOGLETEST_SOURCE_DIR=... names another copy. Looked for
# on the host, not in the cross compiler's root.
find_path(KIVREL_GOOGLETEST_SOURCE_DIR googletest/include/gtest/gtest.h
          PATHS /usr/src/googletest /usr/local/src/googletest /opt/googletest
          NO_DEFAULT_PATH NO_CMAKE_FIND_ROOT_PATH
          DOC "GoogleTest's source tree (holding googletest/), built for the Windows tests")
if(NOT KIVREL_GOOGLETEST_SOURCE_DIR OR NOT EXISTS ${KIVREL_GOOGLETEST_SOURCE_DIR}/CMakeLists.txt)
  message(FATAL_ERROR "GoogleTest's sources not found (KIVREL_GOOGLETEST_SOURCE_DIR: ${KIVREL_GOOGLETEST_SOURCE_DIR}); "
                      "the Windows tests need them: scripts/install-deps.sh windows installs googletest into "
                      "/usr/src/googletest, or name a copy with -DKIVREL_GOOGLETEST_SOURCE_DIR=...")
endif()
set(gtest_disable_pthreads ON CACHE BOOL "" FORCE)
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
add_subdirectory(${KIVREL_GOOGLETEST_SOURCE_DIR} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)

include(${CMAKE_SOURCE_DIR}/cmake/wine_tests.cmake)
