# The set list: filters, search, sorting, favourites, the main window's layout rules and the history
# database (core); the models and the browser in the window (ui).
qx_add_test(NAME BrowserCoreTest SOURCES ${CMAKE_CURRENT_LIST_DIR}/BrowserCoreTest.cpp LIBS quorvex_core)
qx_add_test(NAME SetModelsTest SOURCES ${CMAKE_CURRENT_LIST_DIR}/SetModelsTest.cpp LIBS quorvex_ui)
qx_add_test(NAME SetBrowserTest SOURCES ${CMAKE_CURRENT_LIST_DIR}/SetBrowserTest.cpp LIBS quorvex_ui)
