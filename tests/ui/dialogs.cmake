# Program Settings dialog and splash window, headless.
add_executable(tst_frmSettings ${CMAKE_CURRENT_LIST_DIR}/tst_frmSettings.cpp)
target_link_libraries(tst_frmSettings PRIVATE trakora_frmSettings Qt6::Test)
add_test(NAME tst_frmSettings COMMAND tst_frmSettings)
set_tests_properties(tst_frmSettings PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen")

add_executable(tst_frmSplash ${CMAKE_CURRENT_LIST_DIR}/tst_frmSplash.cpp)
target_link_libraries(tst_frmSplash PRIVATE trakora_frmSplash Qt6::Test)
add_test(NAME tst_frmSplash COMMAND tst_frmSplash)
set_tests_properties(tst_frmSplash PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen")
