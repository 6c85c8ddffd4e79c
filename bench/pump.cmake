# Fast replay of a one-hour log through the program's own pump, headless:
# lines per second and milliseconds per GGA epoch (decode, refresh, yield).
#   bench_pump [LOG] [--all-windows | --long-term] [--gnss]
# Without LOG a one-hour log is generated first (with --gnss, that of a
# receiver of four systems, replayed with every talker). The figure to keep
# is a Release build on a day's log:
#   gen-nmea.py --seconds 86400 > day.TKL && bench_pump day.TKL --all-windows
if(TARGET trakora_app)
    add_executable(bench_pump ${CMAKE_CURRENT_LIST_DIR}/bench_pump.cpp)
    target_link_libraries(bench_pump PRIVATE trakora_app)
    target_include_directories(bench_pump PRIVATE ${CMAKE_SOURCE_DIR}/tests/ui)
    if(EXISTS ${CMAKE_SOURCE_DIR}/tools/gen-nmea.py)
        set(TRAKORA_GEN_NMEA ${CMAKE_SOURCE_DIR}/tools/gen-nmea.py)
    else()
        set(TRAKORA_GEN_NMEA ${CMAKE_SOURCE_DIR}/../shared/tools/gen-nmea.py)
    endif()
    target_compile_definitions(bench_pump PRIVATE TRAKORA_GEN_NMEA="${TRAKORA_GEN_NMEA}")
    if(TARGET trakora-replay)
        add_dependencies(bench_pump trakora-replay)
        target_compile_definitions(bench_pump PRIVATE TRAKORA_REPLAY_TOOL="$<TARGET_FILE:trakora-replay>")
    endif()
endif()
