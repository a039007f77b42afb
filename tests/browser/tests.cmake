# Tests of this part, in the folders of src/browser; see tests/CMakeLists.txt. TestWindow.h, the loaded or
# shown main window the window, set browser, information panel and wiring tests share, sits here.
foreach(layer setlist info window)
    include(${CMAKE_CURRENT_LIST_DIR}/${layer}/tests.cmake)
endforeach()
foreach(test SetBrowserTest InfoPanelTest MainWindowTest InfoChromeTest OptionsWiringTest
             PathsWiringTest)
    target_include_directories(${test} PRIVATE ${CMAKE_CURRENT_LIST_DIR})
endforeach()
