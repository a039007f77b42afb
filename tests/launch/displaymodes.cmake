# Display modes: the resolution texts (core); XRandR against Xvfb and Xorg's dummy driver, each started by
# the test itself on a free display, and the fallback of platforms that cannot switch (ui).
qx_add_test(NAME DisplayModesTest SOURCES ${CMAKE_CURRENT_LIST_DIR}/DisplayModesTest.cpp LIBS quorvex_core)
if(XRANDR_FOUND)
    qx_add_test(NAME XrandrDisplayModesTest SOURCES ${CMAKE_CURRENT_LIST_DIR}/XrandrDisplayModesTest.cpp
                LIBS quorvex_ui LABELS xserver)
endif()
