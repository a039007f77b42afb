# The information panel: the history database (core); the panel and its picture decoding (ui).
list(APPEND QX_CORE_SOURCES ${CMAKE_CURRENT_LIST_DIR}/HistoryDatabase.cpp)
list(APPEND QX_UI_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/InfoPanel.cpp
    ${CMAKE_CURRENT_LIST_DIR}/PictureLoader.cpp
)
