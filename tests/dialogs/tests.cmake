# Tests of this part; see tests/CMakeLists.txt.
qx_add_test(NAME PathsEditorTest SOURCES ${CMAKE_CURRENT_LIST_DIR}/PathsEditorTest.cpp
            ${CMAKE_CURRENT_LIST_DIR}/PathsTestSetup.h LIBS quorvex_core)
qx_add_test(NAME PathsDialogTest SOURCES ${CMAKE_CURRENT_LIST_DIR}/PathsDialogTest.cpp
            ${CMAKE_CURRENT_LIST_DIR}/PathsTestSetup.h LIBS quorvex_ui LABELS mame)
qx_add_test(NAME PreferencesDialogTest SOURCES ${CMAKE_CURRENT_LIST_DIR}/PreferencesDialogTest.cpp LIBS quorvex_ui)
qx_add_test(NAME AboutDialogTest SOURCES ${CMAKE_CURRENT_LIST_DIR}/AboutDialogTest.cpp LIBS quorvex_ui)
qx_add_test(NAME StartupVideoTest SOURCES ${CMAKE_CURRENT_LIST_DIR}/StartupVideoTest.cpp
            LIBS quorvex_ui Qt6::Multimedia)
qx_add_test(NAME BiosListDialogTest SOURCES ${CMAKE_CURRENT_LIST_DIR}/BiosListDialogTest.cpp LIBS quorvex_ui)
target_include_directories(BiosListDialogTest PRIVATE ${CMAKE_CURRENT_LIST_DIR}/../launch)
