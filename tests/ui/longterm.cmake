add_executable(tst_frmLongTerm ${CMAKE_CURRENT_LIST_DIR}/tst_frmLongTerm.cpp ${CMAKE_CURRENT_LIST_DIR}/QtTestMain.cpp)
target_link_libraries(tst_frmLongTerm PRIVATE trakora_frmLongTerm GTest::gtest Qt6::Test)
gtest_discover_tests(tst_frmLongTerm DISCOVERY_TIMEOUT 60 PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen")
