# The information panel's speed budgets: a set's history with a 30 MB history.dat, pictures while scrolling.
add_executable(bench_info ${CMAKE_CURRENT_LIST_DIR}/info_bench.cpp)
target_link_libraries(bench_info PRIVATE quorvex_ui)
