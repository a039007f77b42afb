# Files of this subsystem; see src/CMakeLists.txt.
list(APPEND QX_CORE_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/AvailableNames.cpp
    ${CMAKE_CURRENT_LIST_DIR}/CatalogueExtraction.cpp
    ${CMAKE_CURRENT_LIST_DIR}/CatalogueRefresh.cpp
    ${CMAKE_CURRENT_LIST_DIR}/CatalogueSteps.cpp
    ${CMAKE_CURRENT_LIST_DIR}/CatalogueXmlParser.cpp
    ${CMAKE_CURRENT_LIST_DIR}/Crc32.cpp
    ${CMAKE_CURRENT_LIST_DIR}/EmulatorIdentity.cpp
    ${CMAKE_CURRENT_LIST_DIR}/FirstRunSetup.cpp
    ${CMAKE_CURRENT_LIST_DIR}/RomFolderScan.cpp
    ${CMAKE_CURRENT_LIST_DIR}/SetListCache.cpp
    ${CMAKE_CURRENT_LIST_DIR}/SetName.cpp
    ${CMAKE_CURRENT_LIST_DIR}/VerifyRuns.cpp
    ${CMAKE_CURRENT_LIST_DIR}/SetCatalogue.cpp
    ${CMAKE_CURRENT_LIST_DIR}/SetCatalogueBuilder.cpp
    ${CMAKE_CURRENT_LIST_DIR}/CataloguePreload.cpp
)
list(APPEND QX_UI_SOURCES
)
