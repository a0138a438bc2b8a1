# Windows test programs run under Wine, each in a fresh copy of a prefix that
# is made once per build folder (see tests/wine/).
set(ZENTEI_WINE_DIR "${CMAKE_BINARY_DIR}/wine")
set(ZENTEI_ARTIFACTS_DIR "${CMAKE_BINARY_DIR}/artifacts")
set(ZENTEI_WINE_TEMPLATE "${ZENTEI_WINE_DIR}/template-${ZENTEI_WINE_ARCH}")

add_test(NAME wine.template
  COMMAND "${PROJECT_SOURCE_DIR}/tests/wine/make-template.sh" "${ZENTEI_WINE_ARCH}" "${ZENTEI_WINE_TEMPLATE}")
set_tests_properties(wine.template PROPERTIES FIXTURES_SETUP wine_template TIMEOUT 900)

# zentei_wine_test(<name> <program in the Windows test folder> [FIXTURES_SETUP f] [TIMEOUT s])
function(zentei_wine_test name program)
  cmake_parse_arguments(ARG "" "TIMEOUT;FIXTURES_SETUP" "" ${ARGN})
  if(NOT ARG_TIMEOUT)
    set(ARG_TIMEOUT 300)
  endif()
  add_test(NAME wine.${name}
    COMMAND "${PROJECT_SOURCE_DIR}/tests/wine/run.sh"
      --arch "${ZENTEI_WINE_ARCH}"
      --template "${ZENTEI_WINE_TEMPLATE}"
      --artifacts "${ZENTEI_ARTIFACTS_DIR}/${name}"
      --dist "${ZENTEI_TEST_DIST_DIR}"
      -- "${ZENTEI_TEST_BUILD_DIR}/tests/${program}")
  set_tests_properties(wine.${name} PROPERTIES
    FIXTURES_REQUIRED wine_template TIMEOUT ${ARG_TIMEOUT})
  if(ARG_FIXTURES_SETUP)
    set_tests_properties(wine.${name} PROPERTIES FIXTURES_SETUP ${ARG_FIXTURES_SETUP})
  endif()
endfunction()

zentei_wine_test(harness harness_tests.exe)
zentei_wine_test(common common_tests.exe)
zentei_wine_test(forms forms_tests.exe)
zentei_wine_test(tray_icon tray_icon_tests.exe)
zentei_wine_test(settings_io settings_io_tests.exe)
zentei_wine_test(lnkmake lnkmake_tests.exe FIXTURES_SETUP lnk_files)
zentei_wine_test(launcher_startup launcher_startup_tests.exe TIMEOUT 600)

# The shortcuts written under Wine, read on the Linux side by liblnk's lnkinfo.
add_test(NAME lnkinfo
  COMMAND "${PROJECT_SOURCE_DIR}/tests/wine/check-lnkinfo.sh" "${ZENTEI_ARTIFACTS_DIR}/lnkmake")
set_tests_properties(lnkinfo PROPERTIES FIXTURES_REQUIRED lnk_files)

# The 32-bit deliverables: imports, exports and calling convention.
add_test(NAME deliverables
  COMMAND "${PROJECT_SOURCE_DIR}/tests/check-deliverables.sh" "${ZENTEI_DIST_DIR}")
