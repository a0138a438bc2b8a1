# The host build: pure code and its unit tests under the sanitizers, the
# Windows builds as external projects, and the Wine suites.
include(ExternalProject)
enable_testing()

add_compile_options(-fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
add_link_options(-fsanitize=address,undefined)

add_subdirectory(common)
add_subdirectory(forms)
if(EXISTS "${PROJECT_SOURCE_DIR}/launcher/settings/CMakeLists.txt")
  add_subdirectory(launcher/settings)
endif()
add_subdirectory(tests/native)

# --- Windows builds -------------------------------------------------------------
# The deliverables are 32-bit. The Wine suites run the 32-bit build where this
# machine can execute 32-bit code, otherwise a 64-bit twin built from the same
# sources.
set(ZENTEI_DIST_DIR "${CMAKE_BINARY_DIR}/bin")
execute_process(COMMAND "${PROJECT_SOURCE_DIR}/tests/wine/detect-arch.sh"
  OUTPUT_VARIABLE ZENTEI_WINE_ARCH OUTPUT_STRIP_TRAILING_WHITESPACE)
message(STATUS "Wine suites run the ${ZENTEI_WINE_ARCH} build")

function(zentei_windows_build arch dist)
  ExternalProject_Add(windows-${arch}
    SOURCE_DIR "${PROJECT_SOURCE_DIR}"
    BINARY_DIR "${CMAKE_BINARY_DIR}/windows-${arch}"
    CMAKE_ARGS
      -G Ninja
      -DCMAKE_TOOLCHAIN_FILE=${PROJECT_SOURCE_DIR}/cmake/mingw-${arch}.cmake
      -DCMAKE_BUILD_TYPE=Release
      -DZENTEI_DIST_DIR=${dist}
      -DZENTEI_WERROR=${ZENTEI_WERROR}
    BUILD_ALWAYS ON
    INSTALL_COMMAND ""
    USES_TERMINAL_BUILD ON)
endfunction()

zentei_windows_build(i686 "${ZENTEI_DIST_DIR}")
if(ZENTEI_WINE_ARCH STREQUAL "i686")
  set(ZENTEI_TEST_BUILD_DIR "${CMAKE_BINARY_DIR}/windows-i686")
  set(ZENTEI_TEST_DIST_DIR "${ZENTEI_DIST_DIR}")
else()
  set(ZENTEI_TEST_BUILD_DIR "${CMAKE_BINARY_DIR}/windows-x86_64")
  set(ZENTEI_TEST_DIST_DIR "${ZENTEI_TEST_BUILD_DIR}/dist")
  zentei_windows_build(x86_64 "${ZENTEI_TEST_DIST_DIR}")
endif()

include(cmake/WineTests.cmake)
