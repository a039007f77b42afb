# The information panel: the history database and the panel's layout rules (core); the panel and its
# picture decoding (ui).
list(APPEND QX_CORE_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/HistoryDatabase.cpp
    ${CMAKE_CURRENT_LIST_DIR}/InfoPanelLayout.cpp
)
list(APPEND QX_UI_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/InfoPanel.cpp
    ${CMAKE_CURRENT_LIST_DIR}/InfoPanelContent.cpp
    ${CMAKE_CURRENT_LIST_DIR}/PictureLoader.cpp
)
