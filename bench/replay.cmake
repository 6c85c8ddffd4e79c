# Decoding throughput and allocations per line (Google Benchmark), over two
# 24-hour logs (a GPS and a multi-GNSS receiver) generated into the build
# directory on first run.
if(benchmark_FOUND)
    add_executable(bench_decode ${CMAKE_CURRENT_LIST_DIR}/DecodeThroughput.cpp
                               ${CMAKE_CURRENT_LIST_DIR}/AllocationCounter.cpp)
    target_link_libraries(bench_decode PRIVATE trakora_core benchmark::benchmark)
    target_compile_definitions(bench_decode PRIVATE
        TRAKORA_BENCH_LOG="${CMAKE_CURRENT_BINARY_DIR}/day.nmea"
        TRAKORA_BENCH_GNSS_LOG="${CMAKE_CURRENT_BINARY_DIR}/day-gnss.nmea"
        TRAKORA_GEN_NMEA="${CMAKE_SOURCE_DIR}/tools/gen-nmea.py")
endif()
