# Tests of this part; see tests/CMakeLists.txt.
set(QX_CATALOGUE_TEST_DIR ${CMAKE_CURRENT_LIST_DIR})
foreach(name EmulatorIdentity CatalogueExtraction SetListCache CataloguePreload CatalogueRefresh)
    qx_add_test(NAME ${name}Test SOURCES ${QX_CATALOGUE_TEST_DIR}/${name}Test.cpp LIBS quorvex_core)
    target_include_directories(${name}Test PRIVATE ${QX_CATALOGUE_TEST_DIR})
endforeach()
qx_add_test(NAME RealMameCatalogueTest SOURCES ${QX_CATALOGUE_TEST_DIR}/RealMameCatalogueTest.cpp LIBS quorvex_core
            LABELS mame)
