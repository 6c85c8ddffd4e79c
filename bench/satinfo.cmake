# Refresh cost of the Satellite Information window.
if(benchmark_FOUND AND NOT TRAKORA_CORE_ONLY)
    add_executable(bench_frmSatInfo ${CMAKE_CURRENT_LIST_DIR}/bench_frmSatInfo.cpp
        ${CMAKE_CURRENT_LIST_DIR}/QtBenchmarkMain.cpp)
    target_link_libraries(bench_frmSatInfo PRIVATE trakora_frmSatInfo benchmark::benchmark)
endif()
