# Position Information and Data Status windows, headless.
add_executable(tst_views_position
    ${CMAKE_CURRENT_LIST_DIR}/QtTestMain.cpp
    ${CMAKE_CURRENT_LIST_DIR}/tst_frmShowPosition.cpp
    ${CMAKE_CURRENT_LIST_DIR}/tst_frmDataStat.cpp
    ${CMAKE_CURRENT_LIST_DIR}/tst_LargeTextLabel.cpp)
target_link_libraries(tst_views_position PRIVATE
    trakora_frmShowPosition trakora_frmDataStat GTest::gtest)
gtest_discover_tests(tst_views_position
    DISCOVERY_TIMEOUT 60
    PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen")
