# The main window: start-up and shutdown; its chrome, tray, menus and status bar (its layout rules are in
# BrowserCoreTest).
qx_add_test(NAME MainWindowTest SOURCES ${CMAKE_CURRENT_LIST_DIR}/MainWindowTest.cpp LIBS quorvex_ui Qt6::Multimedia)
qx_add_test(NAME InfoChromeTest SOURCES ${CMAKE_CURRENT_LIST_DIR}/InfoChromeTest.cpp LIBS quorvex_ui)
# The options dialog opened from the main window's menus, pop-ups and toolbar.
qx_add_test(NAME OptionsWiringTest SOURCES ${CMAKE_CURRENT_LIST_DIR}/OptionsWiringTest.cpp LIBS quorvex_ui)
# The paths dialog opened from the main window: its entries, the folders taken after it, the first run.
qx_add_test(NAME PathsWiringTest SOURCES ${CMAKE_CURRENT_LIST_DIR}/PathsWiringTest.cpp LIBS quorvex_ui)
