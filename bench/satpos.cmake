# TimerPop of the sky plot, headless.
if(benchmark_FOUND AND NOT TRAKORA_CORE_ONLY)
    add_executable(bench_satpos ${CMAKE_CURRENT_LIST_DIR}/bench_satpos.cpp
        ${CMAKE_CURRENT_LIST_DIR}/QtBenchmarkMain.cpp)
    target_link_libraries(bench_satpos PRIVATE trakora_frmSatPositions benchmark::benchmark)
endif()
