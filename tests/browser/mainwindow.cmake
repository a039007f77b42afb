# The main window's own tests (layout rules, start-up and shutdown).
qx_add_test(NAME MainLayoutTest SOURCES ${CMAKE_CURRENT_LIST_DIR}/MainLayoutTest.cpp LIBS quorvex_core)
qx_add_test(NAME MainWindowTest SOURCES ${CMAKE_CURRENT_LIST_DIR}/MainWindowTest.cpp LIBS quorvex_ui)
qx_add_test(NAME MainActionsTest SOURCES ${CMAKE_CURRENT_LIST_DIR}/MainActionsTest.cpp LIBS quorvex_ui)
qx_add_test(NAME StatusPanelsTest SOURCES ${CMAKE_CURRENT_LIST_DIR}/StatusPanelsTest.cpp LIBS quorvex_ui)
