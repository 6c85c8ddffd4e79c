# TimerPop of the Position Information and Data Status windows, headless.
if(benchmark_FOUND AND NOT TRAKORA_CORE_ONLY)
    add_executable(bench_views_position ${CMAKE_CURRENT_LIST_DIR}/bench_views_position.cpp
        ${CMAKE_CURRENT_LIST_DIR}/QtBenchmarkMain.cpp)
    target_link_libraries(bench_views_position PRIVATE
        trakora_frmShowPosition trakora_frmDataStat benchmark::benchmark)
endif()
