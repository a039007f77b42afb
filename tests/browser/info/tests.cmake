# The information panel in a main window (its history database is tested in BrowserCoreTest).
qx_add_test(NAME InfoPanelTest SOURCES ${CMAKE_CURRENT_LIST_DIR}/InfoPanelTest.cpp LIBS quorvex_ui)
