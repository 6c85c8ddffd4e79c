# The Receiver Health window and the input status, compared with the replay
# tool's counts of the same logs.
add_executable(tst_health
    ${CMAKE_CURRENT_LIST_DIR}/QtTestMain.cpp
    ${CMAKE_CURRENT_LIST_DIR}/tst_health.cpp
    ${CMAKE_SOURCE_DIR}/tools/trakora-replay/StateJson.cpp)
target_include_directories(tst_health PRIVATE ${CMAKE_SOURCE_DIR}/tools/trakora-replay)
target_link_libraries(tst_health PRIVATE trakora_app GTest::gtest Qt6::Test nlohmann_json::nlohmann_json)
target_compile_definitions(tst_health PRIVATE TRAKORA_TEST_DATA="${CMAKE_SOURCE_DIR}/tests/data"
    TRAKORA_REPLAY_TOOL="$<TARGET_FILE:trakora-replay>")
add_dependencies(tst_health trakora-replay)
gtest_discover_tests(tst_health DISCOVERY_TIMEOUT 60 PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen")
