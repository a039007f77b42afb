# Tests of this part; see tests/CMakeLists.txt.
qx_add_test(NAME CommandRunnerTest SOURCES ${CMAKE_CURRENT_LIST_DIR}/CommandRunnerTest.cpp LIBS quorvex_core)
qx_add_test(NAME EmulatorOptionFileTest SOURCES ${CMAKE_CURRENT_LIST_DIR}/EmulatorOptionFileTest.cpp LIBS quorvex_core)
qx_add_test(NAME FrontendSettingsTest SOURCES ${CMAKE_CURRENT_LIST_DIR}/FrontendSettingsTest.cpp LIBS quorvex_core)
qx_add_test(NAME PathHelpersTest SOURCES ${CMAKE_CURRENT_LIST_DIR}/PathHelpersTest.cpp LIBS quorvex_core)
qx_add_test(NAME ProfileIniTest SOURCES ${CMAKE_CURRENT_LIST_DIR}/ProfileIniTest.cpp LIBS quorvex_core)
qx_add_test(NAME ProgramDirectoryTest SOURCES ${CMAKE_CURRENT_LIST_DIR}/ProgramDirectoryTest.cpp LIBS quorvex_core)
qx_add_test(NAME DataSafetyTest SOURCES ${CMAKE_CURRENT_LIST_DIR}/DataSafetyTest.cpp LIBS quorvex_core)
