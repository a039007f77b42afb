# Tests of this part; see tests/CMakeLists.txt.
qx_add_test(NAME CommandRunnerTest SOURCES ${CMAKE_CURRENT_LIST_DIR}/CommandRunnerTest.cpp LIBS quorvex_core)
qx_add_test(NAME FrontendSettingsTest SOURCES ${CMAKE_CURRENT_LIST_DIR}/FrontendSettingsTest.cpp LIBS quorvex_core)
qx_add_test(NAME PathHelpersTest SOURCES ${CMAKE_CURRENT_LIST_DIR}/PathHelpersTest.cpp LIBS quorvex_core)
qx_add_test(NAME ProgramDirectoryTest SOURCES ${CMAKE_CURRENT_LIST_DIR}/ProgramDirectoryTest.cpp LIBS quorvex_core)
qx_add_test(NAME CommandLineTest SOURCES ${CMAKE_CURRENT_LIST_DIR}/CommandLineTest.cpp LIBS quorvex_core)
set_property(TEST CommandLineTest APPEND PROPERTY ENVIRONMENT "QX_QUORVEX=$<TARGET_FILE:quorvex>")
add_dependencies(CommandLineTest quorvex)
qx_add_test(NAME DataSafetyTest SOURCES ${CMAKE_CURRENT_LIST_DIR}/DataSafetyTest.cpp LIBS quorvex_core)
