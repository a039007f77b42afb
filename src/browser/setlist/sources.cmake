# The set list: filters, search, sorting, column layout and favourites (core); the models, the list
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
    ${CMAKE_CURRENT_LIST_DIR}/BrowserActions.h
    ${CMAKE_CURRENT_LIST_DIR}/BrowserView.cpp
    ${CMAKE_CURRENT_LIST_DIR}/EmptyViewNotice.cpp
    ${CMAKE_CURRENT_LIST_DIR}/FavouritesController.cpp
    ${CMAKE_CURRENT_LIST_DIR}/SetBrowser.cpp
    ${CMAKE_CURRENT_LIST_DIR}/SetBrowserCommands.cpp
    ${CMAKE_CURRENT_LIST_DIR}/SetBrowserEvents.cpp
    ${CMAKE_CURRENT_LIST_DIR}/SetListModel.cpp
    ${CMAKE_CURRENT_LIST_DIR}/SetListView.cpp
    ${CMAKE_CURRENT_LIST_DIR}/SetReportView.cpp
    ${CMAKE_CURRENT_LIST_DIR}/SetTreeModel.cpp
    ${CMAKE_CURRENT_LIST_DIR}/StateIcons.cpp
)
