# Tests of this part; see tests/CMakeLists.txt.
set(QX_CATALOGUE_TEST_DIR ${CMAKE_CURRENT_LIST_DIR})
foreach(name Crc32 EmulatorIdentity CatalogueXmlParser CatalogueExtraction AvailableNames RomFolderScan SetListCache
             CatalogueRefresh FirstRunSetup EmulatorIni)
    qx_add_test(NAME tst_${name} SOURCES ${QX_CATALOGUE_TEST_DIR}/tst_${name}.cpp LIBS quorvex_core)
    target_include_directories(tst_${name} PRIVATE ${QX_CATALOGUE_TEST_DIR})
endforeach()
qx_add_test(NAME tst_RealMameCatalogue SOURCES ${QX_CATALOGUE_TEST_DIR}/tst_RealMameCatalogue.cpp LIBS quorvex_core
            LABELS mame)
