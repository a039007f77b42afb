# Files of this subsystem; see src/CMakeLists.txt. The main window (window/) is built over the set list
# (setlist/) and the information panel (info/), each listing its own files.
foreach(layer setlist info window)
    include(${CMAKE_CURRENT_LIST_DIR}/${layer}/sources.cmake)
endforeach()
