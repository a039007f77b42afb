# The information panel's speed budgets: a set's history with a 30 MB history.dat, pictures while scrolling.
add_executable(info_bench ${CMAKE_CURRENT_LIST_DIR}/info_bench.cpp)
target_link_libraries(info_bench PRIVATE quorvex_ui)
