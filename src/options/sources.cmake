# Files of this subsystem; see src/CMakeLists.txt.
