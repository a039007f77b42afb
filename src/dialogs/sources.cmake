# Files of this subsystem; see src/CMakeLists.txt.

# The verify output window (frmDialog).
list(APPEND QX_UI_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/VerifyOutputWindow.cpp
)
