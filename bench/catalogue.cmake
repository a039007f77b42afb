# Catalogue budgets: the build from MAME, the XML parse, and the cache operations over 45,000 sets.
foreach(name catalogue_build catalogue_parse catalogue_cache)
    add_executable(bench_${name} ${CMAKE_CURRENT_LIST_DIR}/${name}.cpp)
    target_link_libraries(bench_${name} PRIVATE quorvex_core)
endforeach()
