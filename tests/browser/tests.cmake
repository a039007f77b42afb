# Tests of this part, in the folders of src/browser; see tests/CMakeLists.txt. InfoTestWindow.h, the main
# window the information panel, chrome and tray tests share, sits here.
foreach(layer setlist info window)
    include(${CMAKE_CURRENT_LIST_DIR}/${layer}/tests.cmake)
endforeach()
