# End-to-end tests of trakora-replay: stored logs replayed and compared with
# stored output, recording round trips, exit statuses, and the receiver corpus.
find_package(Python3 REQUIRED COMPONENTS Interpreter)

set(REPLAY_DIR ${CMAKE_CURRENT_LIST_DIR})
set(REPLAY_DATA ${CMAKE_CURRENT_LIST_DIR}/../data)
set(REPLAY_CASE ${Python3_EXECUTABLE} ${REPLAY_DIR}/replay_case.py $<TARGET_FILE:trakora-replay>)

# The JSON writer and the command line, checked directly.
add_executable(replay_StateJsonTest ${REPLAY_DIR}/StateJsonTest.cpp)
target_link_libraries(replay_StateJsonTest PRIVATE trakora_replay GTest::gtest GTest::gtest_main)
gtest_discover_tests(replay_StateJsonTest DISCOVERY_TIMEOUT 60)

function(add_replay_test name)
    add_test(NAME replay_${name} COMMAND ${REPLAY_CASE} ${ARGN})
endfunction()

# Golden output, checked field by field against the decoding rules when stored.
add_replay_test(all_types_each --expect ${REPLAY_DIR}/all-types.each.jsonl
                -- --each ${REPLAY_DIR}/all-types.nmea)
add_replay_test(all_types_stdin --expect ${REPLAY_DIR}/all-types.json --stdin ${REPLAY_DIR}/all-types.nmea)
add_replay_test(all_types_dash --expect ${REPLAY_DIR}/all-types.json --stdin ${REPLAY_DIR}/all-types.nmea -- -)
add_replay_test(serial_two_files --expect ${REPLAY_DIR}/serial.each.jsonl
                -- --serial --each ${REPLAY_DIR}/serial-part1.bin ${REPLAY_DIR}/serial-part2.bin)
add_replay_test(sample --expect ${REPLAY_DIR}/sample.json -- ${REPLAY_DATA}/sample.TKL)
foreach(log ac12 garmin38 gp-320fw-2019-04-07-coldboot)
    add_replay_test(corpus_${log} --expect ${REPLAY_DIR}/${log}.json -- ${REPLAY_DATA}/corpus/${log}.log)
endforeach()
# Receivers of today, every talker decoded; each golden was checked against the log's last epoch.
foreach(log ublox-8-tail ublox-neo-m9n-nmea-tail quectel-l76k-nmea-tail beidou-gb st-teseo-liv3f-tail)
    add_replay_test(gnss_${log} --expect ${REPLAY_DIR}/${log}.all.json
                    -- --talkers all ${REPLAY_DATA}/corpus/${log}.log)
endforeach()
# Without --talkers all the other talkers are skipped, said on standard error only to a person.
add_replay_test(other_talkers_noted --stderr-tty "^trakora-replay: 24 sentences of other talkers than GP were skipped"
                -- ${REPLAY_DATA}/corpus/ublox-8-tail.log)

add_test(NAME replay_record_roundtrip
         COMMAND ${Python3_EXECUTABLE} ${REPLAY_DIR}/record_roundtrip.py $<TARGET_FILE:trakora-replay>
                 ${CMAKE_CURRENT_BINARY_DIR}/replay-record ${REPLAY_DIR}/all-types.nmea ${REPLAY_DATA}/sample.TKL)

# Exit statuses and messages.
add_replay_test(help --stdout "^Usage: trakora-replay \\[--serial\\]" -- --help)
add_replay_test(missing_file --exit 2 --stderr "cannot read .*no-such-file.nmea: No such file"
                -- ${REPLAY_DIR}/all-types.nmea ${REPLAY_DIR}/no-such-file.nmea)
add_replay_test(directory --exit 2 --stderr "cannot read .*: Is a directory" -- ${REPLAY_DIR})
add_replay_test(unknown_option --exit 2 --stderr "unknown option --frobnicate" -- --frobnicate)
add_replay_test(bad_groups --exit 2 "--stderr=--groups wants P,W,S" -- --record /dev/null --groups 1,2,1)
add_replay_test(groups_without_record --exit 2 "--stderr=--groups needs --record" -- --groups 1,1,1)
add_replay_test(bad_talkers --exit 2 "--stderr=--talkers wants gp or all, not \"GN\"" -- --talkers GN)
add_replay_test(record_unopenable --exit 2 --stderr "cannot open .*/no-such-dir/out.TKL for recording"
                -- --record ${REPLAY_DIR}/no-such-dir/out.TKL ${REPLAY_DIR}/all-types.nmea)
add_replay_test(record_onto_input --exit 2 --stderr "cannot read /dev/null: it is also the file to record to"
                -- --record /dev/null /dev/null)
add_replay_test(record_write_failure --exit 1 --stderr "Error writing to output file: /dev/full.*turned off"
                --stdout "\"recorded\":0,\"identifiers\"" -- --record /dev/full --groups 1,1,1 ${REPLAY_DIR}/all-types.nmea)

# Every receiver log of the shared corpus, when it is there.
set(REPLAY_CORPUS ${CMAKE_SOURCE_DIR}/../shared/nmea-corpus)
file(GLOB CORPUS_LOGS CONFIGURE_DEPENDS ${REPLAY_CORPUS}/*.log)
foreach(log ${CORPUS_LOGS})
    get_filename_component(log_name ${log} NAME_WLE)
    add_test(NAME replay_corpus_all_${log_name}
             COMMAND ${Python3_EXECUTABLE} ${REPLAY_DIR}/corpus_replay.py $<TARGET_FILE:trakora-replay> ${log})
endforeach()
