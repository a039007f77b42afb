# Files of this subsystem; see src/CMakeLists.txt.
list(APPEND QX_CORE_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/CommandLine.cpp
    ${CMAKE_CURRENT_LIST_DIR}/CommandRunner.cpp
    ${CMAKE_CURRENT_LIST_DIR}/FileDialog.cpp
    ${CMAKE_CURRENT_LIST_DIR}/FrontendSettings.cpp
    ${CMAKE_CURRENT_LIST_DIR}/InstanceLock.cpp
    ${CMAKE_CURRENT_LIST_DIR}/PathHelpers.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ProfileIni.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ProfileIniFile.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ProgramDirectory.cpp
    ${CMAKE_CURRENT_LIST_DIR}/TextFile.cpp
)
list(APPEND QX_UI_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/AppearanceConversions.cpp
    ${CMAKE_CURRENT_LIST_DIR}/LinkLabel.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ModalToolDialog.cpp
    ${CMAKE_CURRENT_LIST_DIR}/QtPlatformServices.cpp
    ${CMAKE_CURRENT_LIST_DIR}/QtUserPrompts.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ScopeGuards.cpp
    ${CMAKE_CURRENT_LIST_DIR}/WindowHelpers.cpp
)
