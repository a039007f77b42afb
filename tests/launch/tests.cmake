# Tests of this part; see tests/CMakeLists.txt.
qx_add_test(NAME LaunchControllerTest SOURCES ${CMAKE_CURRENT_LIST_DIR}/LaunchControllerTest.cpp
            ${CMAKE_CURRENT_LIST_DIR}/LaunchTestSetup.h LIBS quorvex_ui)
qx_add_test(NAME SetFileMaintenanceTest SOURCES ${CMAKE_CURRENT_LIST_DIR}/SetFileMaintenanceTest.cpp LIBS quorvex_core)
qx_add_test(NAME SingleSetVerifyTest SOURCES ${CMAKE_CURRENT_LIST_DIR}/SingleSetVerifyTest.cpp LIBS quorvex_core)
qx_add_test(NAME RealMameLaunchTest SOURCES ${CMAKE_CURRENT_LIST_DIR}/RealMameLaunchTest.cpp LIBS quorvex_ui
            LABELS mame)
