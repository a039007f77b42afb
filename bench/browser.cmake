# The set browser's speed budgets: filling a view, one search keystroke, a column sort, a view switch.
add_executable(bench_browser ${CMAKE_CURRENT_LIST_DIR}/browser_bench.cpp)
target_link_libraries(bench_browser PRIVATE quorvex_ui Qt6::Test)
