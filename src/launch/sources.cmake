# Files of this subsystem; see src/CMakeLists.txt.
list(APPEND QX_CORE_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/EmulatorIni.cpp
)
