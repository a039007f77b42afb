# The stand-in emulator: answers MAME's switches from fixture files and records its calls (see FakeMame.cpp).
add_executable(fake_mame ${CMAKE_CURRENT_LIST_DIR}/FakeMame.cpp)
target_link_libraries(fake_mame PRIVATE Qt6::Core)
