# Files of this subsystem; see src/CMakeLists.txt.
list(APPEND QX_CORE_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/MainLayout.cpp
)
list(APPEND QX_UI_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/MainActions.cpp
    ${CMAKE_CURRENT_LIST_DIR}/MainWindow.cpp
    ${CMAKE_CURRENT_LIST_DIR}/MainWindowCatalogue.cpp
    ${CMAKE_CURRENT_LIST_DIR}/MainWindowShutdown.cpp
    ${CMAKE_CURRENT_LIST_DIR}/MainWindowStartup.cpp
    ${CMAKE_CURRENT_LIST_DIR}/SplitterHandle.cpp
    ${CMAKE_CURRENT_LIST_DIR}/StatusPanels.cpp
    ${CMAKE_CURRENT_LIST_DIR}/WindowAppearance.cpp
)

# The set browser: filters, search, sorting, column layout and favourites (core); the models, the list
# control and the browser controller (ui).
list(APPEND QX_CORE_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/ColumnLayout.cpp
    ${CMAKE_CURRENT_LIST_DIR}/FavouritesFile.cpp
    ${CMAKE_CURRENT_LIST_DIR}/HeaderSortState.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ModSort.cpp
    ${CMAKE_CURRENT_LIST_DIR}/SetRows.cpp
    ${CMAKE_CURRENT_LIST_DIR}/SetSearch.cpp
    ${CMAKE_CURRENT_LIST_DIR}/SetTreeLayout.cpp
)
list(APPEND QX_UI_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/EmptyViewNotice.cpp
    ${CMAKE_CURRENT_LIST_DIR}/SetBrowser.cpp
    ${CMAKE_CURRENT_LIST_DIR}/SetBrowserActions.h
    ${CMAKE_CURRENT_LIST_DIR}/SetBrowserCommands.cpp
    ${CMAKE_CURRENT_LIST_DIR}/SetListModel.cpp
    ${CMAKE_CURRENT_LIST_DIR}/SetListView.cpp
    ${CMAKE_CURRENT_LIST_DIR}/SetReportView.cpp
    ${CMAKE_CURRENT_LIST_DIR}/SetTreeModel.cpp
    ${CMAKE_CURRENT_LIST_DIR}/StateIcons.cpp
)

# The information panel (history database, pictures), the window chrome (fonts, colours, clipboard, help)
# and the notification-area icon.
list(APPEND QX_CORE_SOURCES ${CMAKE_CURRENT_LIST_DIR}/HistoryDatabase.cpp)
list(APPEND QX_UI_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/InfoPanel.cpp
    ${CMAKE_CURRENT_LIST_DIR}/PictureLoader.cpp
    ${CMAKE_CURRENT_LIST_DIR}/TrayIcon.cpp
    ${CMAKE_CURRENT_LIST_DIR}/WindowChrome.cpp
)

# Joystick selection: the button rules and the poll (core); SDL2's joystick API (ui).
list(APPEND QX_CORE_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/Joystick.cpp
    ${CMAKE_CURRENT_LIST_DIR}/JoystickPoller.cpp
)
list(APPEND QX_UI_SOURCES ${CMAKE_CURRENT_LIST_DIR}/SdlJoystick.cpp)
