# The MinGW build: deliverables in ZENTEI_DIST_DIR under their exact names,
# test programs in the build folder.
set(ZENTEI_DIST_DIR "${CMAKE_BINARY_DIR}/dist" CACHE PATH "Folder that receives the deliverables")
set(ZENTEI_TESTS_DIR "${CMAKE_BINARY_DIR}/tests")

# The programs must run on a bare Windows: no MinGW runtime DLLs.
add_link_options(-static -static-libgcc -static-libstdc++)
add_compile_definitions(WINVER=0x0501 _WIN32_WINNT=0x0501 _CRT_SECURE_NO_WARNINGS)

# Puts a deliverable into the distribution folder under its exact name.
function(zentei_deliverable target)
  set_target_properties(${target} PROPERTIES
    RUNTIME_OUTPUT_DIRECTORY "${ZENTEI_DIST_DIR}"
    LIBRARY_OUTPUT_DIRECTORY "${ZENTEI_DIST_DIR}")
endfunction()

add_subdirectory(cmake/googletest)
add_subdirectory(common)
add_subdirectory(forms)
add_subdirectory(launcher/settings)
add_subdirectory(launcher)
add_subdirectory(lnkmake)
add_subdirectory(tests/driver)
add_subdirectory(tests/windows)
