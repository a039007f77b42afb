# The information panel: the history database (core) and the panel in a main window (ui).
qx_add_test(NAME InfoHistoryTest SOURCES ${CMAKE_CURRENT_LIST_DIR}/InfoHistoryTest.cpp LIBS quorvex_core)
qx_add_test(NAME InfoPanelTest SOURCES ${CMAKE_CURRENT_LIST_DIR}/InfoPanelTest.cpp LIBS quorvex_ui)
