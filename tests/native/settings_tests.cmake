# Unit tests of the settings code that needs no window; included by the host
# build, which has already found GTest and included GoogleTest.
add_executable(settings_tests
  ${CMAKE_CURRENT_LIST_DIR}/settings_colour_text_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/settings_error_log_lines_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/settings_first_pass_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/settings_load_gauge_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/settings_number_text_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/settings_record_classifier_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/settings_records_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/settings_value_checks_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/settings_writer_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/settings_written_forms_test.cpp)
target_link_libraries(settings_tests PRIVATE settings_pure GTest::gtest_main)
gtest_discover_tests(settings_tests TEST_PREFIX "native.")
