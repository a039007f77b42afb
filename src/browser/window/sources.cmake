# The main window: its layout rules (core); the window, its actions, status bar, splitter, fonts and
# colours, chrome and notification-area icon (ui).
list(APPEND QX_CORE_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/MainLayout.cpp
)
list(APPEND QX_UI_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/FullScreenList.cpp
    ${CMAKE_CURRENT_LIST_DIR}/MainActions.cpp
    ${CMAKE_CURRENT_LIST_DIR}/MainWindow.cpp
    ${CMAKE_CURRENT_LIST_DIR}/MainWindowCatalogue.cpp
    ${CMAKE_CURRENT_LIST_DIR}/MainWindowParts.cpp
    ${CMAKE_CURRENT_LIST_DIR}/MainWindowPaths.cpp
    ${CMAKE_CURRENT_LIST_DIR}/MainWindowShutdown.cpp
    ${CMAKE_CURRENT_LIST_DIR}/MainWindowStartup.cpp
    ${CMAKE_CURRENT_LIST_DIR}/OptionsCommands.cpp
    ${CMAKE_CURRENT_LIST_DIR}/SplitterHandle.cpp
    ${CMAKE_CURRENT_LIST_DIR}/StatusPanels.cpp
    ${CMAKE_CURRENT_LIST_DIR}/TrayIcon.cpp
    ${CMAKE_CURRENT_LIST_DIR}/WindowAppearance.cpp
    ${CMAKE_CURRENT_LIST_DIR}/WindowChrome.cpp
    ${CMAKE_CURRENT_LIST_DIR}/WindowLaunchHost.cpp
)

# Joystick selection: the button rules and the poll (core); SDL2's joystick API (ui).
list(APPEND QX_CORE_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/Joystick.cpp
    ${CMAKE_CURRENT_LIST_DIR}/JoystickPoller.cpp
)
list(APPEND QX_UI_SOURCES ${CMAKE_CURRENT_LIST_DIR}/SdlJoystick.cpp)
