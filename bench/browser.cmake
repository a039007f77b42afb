# The set browser's speed budgets: filling a view, one search keystroke, a column sort, a view switch.
add_executable(browser_bench ${CMAKE_CURRENT_LIST_DIR}/browser_bench.cpp)
target_link_libraries(browser_bench PRIVATE quorvex_ui Qt6::Test)
