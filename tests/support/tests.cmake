# Test helpers shared by every test: temporary files, read-only and unreadable ones, a full disk; the scripted
# prompts, the stand-in's call log and the fake display are header-only.
add_library(quorvex_test_support STATIC
    ${CMAKE_CURRENT_LIST_DIR}/FullFileSystem.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ReadOnlyFolder.cpp
    ${CMAKE_CURRENT_LIST_DIR}/TestDirs.cpp
    ${CMAKE_CURRENT_LIST_DIR}/UnreadableFile.cpp
)
target_include_directories(quorvex_test_support PUBLIC ${CMAKE_CURRENT_LIST_DIR})
target_link_libraries(quorvex_test_support PUBLIC quorvex_core Qt6::Test)
