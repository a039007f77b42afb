# The information panel, the window chrome and the notification-area icon.
qx_add_test(NAME InfoHistoryTest SOURCES ${CMAKE_CURRENT_LIST_DIR}/InfoHistoryTest.cpp LIBS quorvex_core)
qx_add_test(NAME InfoPanelTest SOURCES ${CMAKE_CURRENT_LIST_DIR}/InfoPanelTest.cpp LIBS quorvex_ui)
qx_add_test(NAME InfoChromeTest SOURCES ${CMAKE_CURRENT_LIST_DIR}/InfoChromeTest.cpp LIBS quorvex_ui)
