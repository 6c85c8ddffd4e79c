# A GPS-only log in every display window, with GPS talkers and with every talker, headless.
add_executable(tst_gpsOnlyLook
    ${CMAKE_CURRENT_LIST_DIR}/QtTestMain.cpp
    ${CMAKE_CURRENT_LIST_DIR}/tst_gpsOnlyLook.cpp)
target_link_libraries(tst_gpsOnlyLook PRIVATE
    trakora_frmSatInfo trakora_frmSatPositions trakora_frmDataStat trakora_frmShowPosition GTest::gtest)
target_compile_definitions(tst_gpsOnlyLook PRIVATE TRAKORA_TEST_DATA="${CMAKE_CURRENT_SOURCE_DIR}/data")
gtest_discover_tests(tst_gpsOnlyLook
    DISCOVERY_TIMEOUT 60
    PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen")
