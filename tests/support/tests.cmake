# Test helpers shared by every test, all header-only: temporary files and fixtures, a read-only folder, an
# unreadable file, a full disk, the scripted prompts, the stand-in's call log and the fake display.
add_library(quorvex_test_support INTERFACE)
target_include_directories(quorvex_test_support INTERFACE ${CMAKE_CURRENT_LIST_DIR})
target_link_libraries(quorvex_test_support INTERFACE quorvex_core Qt6::Test)
