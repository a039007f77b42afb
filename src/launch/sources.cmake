# Files of this subsystem; see src/CMakeLists.txt.
# Running MAME on a set, capture runs, single-set verify and per-set file maintenance (core).
list(APPEND QX_CORE_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/CaptureFolder.cpp
    ${CMAKE_CURRENT_LIST_DIR}/CaptureKind.cpp
    ${CMAKE_CURRENT_LIST_DIR}/LaunchCommand.cpp
    ${CMAKE_CURRENT_LIST_DIR}/SetFileMaintenance.cpp
    ${CMAKE_CURRENT_LIST_DIR}/SingleSetVerify.cpp
    ${CMAKE_CURRENT_LIST_DIR}/SnapshotFiles.cpp
)
# The main window's launch, verify and per-set file commands (ui).
list(APPEND QX_UI_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/LaunchController.cpp
    ${CMAKE_CURRENT_LIST_DIR}/SetFilesController.cpp
    ${CMAKE_CURRENT_LIST_DIR}/VerifyController.cpp
)

# Display modes: the resolution texts and the interface (core); XRandR on X11, the current mode alone
# elsewhere, and the choice between them (ui).
list(APPEND QX_CORE_SOURCES ${CMAKE_CURRENT_LIST_DIR}/DisplayModes.cpp)
list(APPEND QX_UI_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/DisplayModesFactory.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ScreenDisplayModes.cpp
)
if(XRANDR_FOUND)
    list(APPEND QX_UI_SOURCES ${CMAKE_CURRENT_LIST_DIR}/XrandrDisplayModes.cpp)
endif()
