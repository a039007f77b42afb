# Cabinet mode through the real main window: the full-screen list on a fake display, the preferences from
# the menus, and SDL's virtual joystick, also on the joystick poller alone (no hardware needed).
qx_add_test(NAME CabinetWiringTest SOURCES ${CMAKE_CURRENT_LIST_DIR}/window/CabinetWiringTest.cpp
            LIBS quorvex_ui PkgConfig::SDL2)
target_include_directories(CabinetWiringTest PRIVATE ${CMAKE_CURRENT_LIST_DIR})
