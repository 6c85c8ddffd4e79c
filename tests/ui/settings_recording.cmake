# The Settings dialog driving the real program: replay a chosen log, then
# record a receiver on a pseudo-terminal into the log chosen in the dialog.
add_executable(tst_settings_recording
    ${CMAKE_CURRENT_LIST_DIR}/QtTestMain.cpp
    ${CMAKE_CURRENT_LIST_DIR}/tst_settingsRecording.cpp)
target_link_libraries(tst_settings_recording PRIVATE trakora_app GTest::gtest Qt6::Test util)
target_compile_definitions(tst_settings_recording PRIVATE TRAKORA_TEST_DATA="${CMAKE_SOURCE_DIR}/tests/data")
gtest_discover_tests(tst_settings_recording DISCOVERY_TIMEOUT 60 PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen")
