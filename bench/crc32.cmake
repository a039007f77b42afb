# The executable's fingerprint: zlib's CRC-32 of Debian's MAME against the byte-table CRC it replaced.
add_executable(bench_crc32 ${CMAKE_CURRENT_LIST_DIR}/crc32_bench.cpp)
target_include_directories(bench_crc32 PRIVATE ${CMAKE_SOURCE_DIR}/tests/support)
target_link_libraries(bench_crc32 PRIVATE quorvex_core)
