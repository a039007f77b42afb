# Start-up to the first painted window, and resident memory, with a full cached catalogue and with none.
add_executable(bench_startup ${CMAKE_CURRENT_LIST_DIR}/startup_bench.cpp)
target_link_libraries(bench_startup PRIVATE quorvex_ui)
