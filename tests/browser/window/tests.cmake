# The main window: start-up and shutdown, actions, status bar, chrome and tray (its layout rules are in
# BrowserCoreTest).
qx_add_test(NAME MainWindowTest SOURCES ${CMAKE_CURRENT_LIST_DIR}/MainWindowTest.cpp LIBS quorvex_ui Qt6::Multimedia)
qx_add_test(NAME MainActionsTest SOURCES ${CMAKE_CURRENT_LIST_DIR}/MainActionsTest.cpp LIBS quorvex_ui)
qx_add_test(NAME InfoChromeTest SOURCES ${CMAKE_CURRENT_LIST_DIR}/InfoChromeTest.cpp LIBS quorvex_ui)
# Joystick selection against SDL's virtual joystick (no hardware needed).
qx_add_test(NAME JoystickTest SOURCES ${CMAKE_CURRENT_LIST_DIR}/JoystickTest.cpp LIBS quorvex_ui PkgConfig::SDL2)
# The options dialog opened from the main window's menus, pop-ups and toolbar.
qx_add_test(NAME OptionsWiringTest SOURCES ${CMAKE_CURRENT_LIST_DIR}/OptionsWiringTest.cpp LIBS quorvex_ui)
# The paths dialog opened from the main window: its entries, the folders taken after it, the first run.
qx_add_test(NAME PathsWiringTest SOURCES ${CMAKE_CURRENT_LIST_DIR}/PathsWiringTest.cpp LIBS quorvex_ui)
