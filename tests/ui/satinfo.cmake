# Satellite Information window, headless.
add_executable(tst_frmSatInfo
    ${CMAKE_CURRENT_LIST_DIR}/QtTestMain.cpp
    ${CMAKE_CURRENT_LIST_DIR}/tst_frmSatInfo.cpp)
target_link_libraries(tst_frmSatInfo PRIVATE trakora_frmSatInfo GTest::gtest Qt6::Test)
gtest_discover_tests(tst_frmSatInfo
    DISCOVERY_TIMEOUT 60
    PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen")
