# Replay controls of the main window and seeking with every window open, headless.
add_executable(tst_replay
    ${CMAKE_CURRENT_LIST_DIR}/QtTestMain.cpp
    ${CMAKE_CURRENT_LIST_DIR}/tst_replay.cpp)
target_link_libraries(tst_replay PRIVATE trakora_app GTest::gtest GTest::gmock Qt6::Test)
target_compile_definitions(tst_replay PRIVATE TRAKORA_TEST_DATA="${CMAKE_SOURCE_DIR}/tests/data")
gtest_discover_tests(tst_replay DISCOVERY_TIMEOUT 60 PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen")
