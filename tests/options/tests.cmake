# Tests of this part; see tests/CMakeLists.txt.
qx_add_test(NAME OptionFilesTest SOURCES ${CMAKE_CURRENT_LIST_DIR}/OptionFilesTest.cpp LIBS quorvex_core)
qx_add_test(NAME OptionModelTest SOURCES ${CMAKE_CURRENT_LIST_DIR}/OptionModelTest.cpp LIBS quorvex_core LABELS mame)
qx_add_test(NAME OptionsDialogTest SOURCES ${CMAKE_CURRENT_LIST_DIR}/OptionsDialogTest.cpp LIBS quorvex_ui)
qx_add_test(NAME OptionsDialogMameTest SOURCES ${CMAKE_CURRENT_LIST_DIR}/OptionsDialogMameTest.cpp LIBS quorvex_ui LABELS mame)
qx_add_test(NAME EmulatorOptionFileTest SOURCES ${CMAKE_CURRENT_LIST_DIR}/EmulatorOptionFileTest.cpp LIBS quorvex_core)
