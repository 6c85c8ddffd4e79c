# Main window, raw NMEA window, settings file and the serial path, headless.
add_executable(tst_shell
    ${CMAKE_CURRENT_LIST_DIR}/QtTestMain.cpp
    ${CMAKE_CURRENT_LIST_DIR}/tst_shellRaw.cpp
    ${CMAKE_CURRENT_LIST_DIR}/tst_shellMDI.cpp
    ${CMAKE_CURRENT_LIST_DIR}/tst_shellStore.cpp)
target_link_libraries(tst_shell PRIVATE trakora_app GTest::gtest GTest::gmock Qt6::Test)
target_compile_definitions(tst_shell PRIVATE TRAKORA_TEST_DATA="${CMAKE_SOURCE_DIR}/tests/data")
gtest_discover_tests(tst_shell DISCOVERY_TIMEOUT 60 PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen")

# The serial path through a pseudo-terminal pair, compared with the replay
# tool's reading of the same bytes.
add_executable(tst_shell_serial
    ${CMAKE_CURRENT_LIST_DIR}/QtTestMain.cpp
    ${CMAKE_CURRENT_LIST_DIR}/tst_shellSerial.cpp
    ${CMAKE_SOURCE_DIR}/tools/trakora-replay/StateJson.cpp)
target_include_directories(tst_shell_serial PRIVATE ${CMAKE_SOURCE_DIR}/tools/trakora-replay)
target_link_libraries(tst_shell_serial PRIVATE trakora_app GTest::gtest GTest::gmock Qt6::Test
    nlohmann_json::nlohmann_json util)
if(TARGET trakora-replay)
    add_dependencies(tst_shell_serial trakora-replay)
    target_compile_definitions(tst_shell_serial PRIVATE TRAKORA_REPLAY_TOOL="$<TARGET_FILE:trakora-replay>")
endif()
gtest_discover_tests(tst_shell_serial DISCOVERY_TIMEOUT 60 PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen")
