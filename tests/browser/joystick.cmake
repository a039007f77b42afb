# Joystick selection against SDL's virtual joystick (no hardware needed).
qx_add_test(NAME JoystickTest SOURCES ${CMAKE_CURRENT_LIST_DIR}/JoystickTest.cpp LIBS quorvex_ui PkgConfig::SDL2)
