# Big and hostile files: a 50 MB qx.ini at start and close, a tray menu with 100,000 favourites.
add_executable(bench_bigfiles ${CMAKE_CURRENT_LIST_DIR}/bigfiles_bench.cpp)
target_link_libraries(bench_bigfiles PRIVATE quorvex_ui)
