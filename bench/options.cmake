# The options editor: loading a scope's options with its layers and saving every option changed, in the core
# alone and through the whole dialog.
add_executable(bench_options ${CMAKE_CURRENT_LIST_DIR}/options_bench.cpp)
target_link_libraries(bench_options PRIVATE quorvex_ui)
target_include_directories(bench_options PRIVATE ${CMAKE_SOURCE_DIR}/tests/support ${CMAKE_CURRENT_LIST_DIR})
target_compile_definitions(bench_options PRIVATE
    QX_FALLBACK_MAME_INI="${CMAKE_SOURCE_DIR}/tests/fixtures/standin/mame.ini")
