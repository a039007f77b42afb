# Tests of this part; see tests/CMakeLists.txt.
qx_add_test(NAME PathsEditorTest SOURCES ${CMAKE_CURRENT_LIST_DIR}/PathsEditorTest.cpp
            ${CMAKE_CURRENT_LIST_DIR}/PathsTestSetup.h LIBS quorvex_core)
