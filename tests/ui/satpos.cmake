add_executable(tst_frmSatPositions
    ${CMAKE_CURRENT_LIST_DIR}/QtTestMain.cpp
    ${CMAKE_CURRENT_LIST_DIR}/tst_frmSatPositions.cpp)
target_link_libraries(tst_frmSatPositions PRIVATE trakora_frmSatPositions Qt6::Test GTest::gtest)
gtest_discover_tests(tst_frmSatPositions
    PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen"
    DISCOVERY_TIMEOUT 60)
