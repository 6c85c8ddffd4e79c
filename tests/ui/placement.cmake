# Window placement on a 1280 x 1024 screen, run at scale 1 and at scale 2
# (QT_SCALE_FACTOR): every window opens wholly on the screen.
add_executable(tst_placement ${CMAKE_CURRENT_LIST_DIR}/tst_placement.cpp)
target_link_libraries(tst_placement PRIVATE trakora_app GTest::gtest Qt6::Test)
target_compile_definitions(tst_placement PRIVATE
    TRAKORA_TEST_SCREEN="${CMAKE_CURRENT_LIST_DIR}/screen-1280x1024.json")
gtest_discover_tests(tst_placement TEST_PREFIX "scale1." DISCOVERY_TIMEOUT 60)
gtest_discover_tests(tst_placement TEST_PREFIX "scale2." DISCOVERY_TIMEOUT 60
    PROPERTIES ENVIRONMENT "QT_SCALE_FACTOR=2")
