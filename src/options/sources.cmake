# Files of this subsystem; see src/CMakeLists.txt.
# MAME's option files, mame.ini's one owner: their lines, mame.ini made and read for the folders the
# program needs, where the layers live, reading and writing them, and the options dialog's values,
# conversions and rules (core).
list(APPEND QX_CORE_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/EmulatorIni.cpp
    ${CMAKE_CURRENT_LIST_DIR}/EmulatorOptionFile.cpp
    ${CMAKE_CURRENT_LIST_DIR}/EmulatorPaths.cpp
    ${CMAKE_CURRENT_LIST_DIR}/EmulatorOptionWrites.cpp
    ${CMAKE_CURRENT_LIST_DIR}/FolderListValue.cpp
    ${CMAKE_CURRENT_LIST_DIR}/OptionConversions.cpp
    ${CMAKE_CURRENT_LIST_DIR}/OptionEnabling.cpp
    ${CMAKE_CURRENT_LIST_DIR}/OptionFiles.cpp
    ${CMAKE_CURRENT_LIST_DIR}/OptionFileSnapshot.cpp
    ${CMAKE_CURRENT_LIST_DIR}/OptionLayers.cpp
    ${CMAKE_CURRENT_LIST_DIR}/OptionLinks.cpp
    ${CMAKE_CURRENT_LIST_DIR}/OptionModel.cpp
    ${CMAKE_CURRENT_LIST_DIR}/OptionScope.cpp
    ${CMAKE_CURRENT_LIST_DIR}/OptionTable.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ScreenOptions.cpp
    ${CMAKE_CURRENT_LIST_DIR}/SetScreenType.cpp
)

# The options dialog (frmOptions) and its seven pages (ui).
list(APPEND QX_UI_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/AdvancedPage.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ControllersPage.cpp
    ${CMAKE_CURRENT_LIST_DIR}/DisplayPage.cpp
    ${CMAKE_CURRENT_LIST_DIR}/MappingPage.cpp
    ${CMAKE_CURRENT_LIST_DIR}/MiscellaneousPage.cpp
    ${CMAKE_CURRENT_LIST_DIR}/OpenOptionsDialog.cpp
    ${CMAKE_CURRENT_LIST_DIR}/OptionComboBox.cpp
    ${CMAKE_CURRENT_LIST_DIR}/OptionsDialog.cpp
    ${CMAKE_CURRENT_LIST_DIR}/OptionsPage.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ScreensPage.cpp
    ${CMAKE_CURRENT_LIST_DIR}/SoundPage.cpp
)
