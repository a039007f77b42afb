# Files of this subsystem; see src/CMakeLists.txt.

# The verify output window (frmDialog).
list(APPEND QX_UI_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/VerifyOutputWindow.cpp
)

# The paths dialog (frmFolders): its kinds of folder and editing rules (core), and its window.
list(APPEND QX_CORE_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/FrontendPathsSettings.cpp
    ${CMAKE_CURRENT_LIST_DIR}/PathKind.cpp
    ${CMAKE_CURRENT_LIST_DIR}/PathsEditor.cpp
)
list(APPEND QX_UI_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/PathsDialog.cpp
)

# The preferences dialog, the BIOS list, the about box and the start-up video: their rules (core) and windows (ui).
list(APPEND QX_CORE_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/AboutText.cpp
    ${CMAKE_CURRENT_LIST_DIR}/PreferenceRules.cpp
    ${CMAKE_CURRENT_LIST_DIR}/StartupVideoPlan.cpp
)
list(APPEND QX_UI_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/AboutDialog.cpp
    ${CMAKE_CURRENT_LIST_DIR}/BiosListDialog.cpp
    ${CMAKE_CURRENT_LIST_DIR}/DialogCommon.cpp
    ${CMAKE_CURRENT_LIST_DIR}/PreferencesDialog.cpp
    ${CMAKE_CURRENT_LIST_DIR}/StartupVideo.cpp
)
