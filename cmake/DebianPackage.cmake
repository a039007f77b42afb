# `cpack -G DEB` in the build folder makes quorvex_<version>_amd64.deb from what `cmake --install` installs,
# placed under /usr whatever CMAKE_INSTALL_PREFIX says.
set(CPACK_PACKAGE_NAME quorvex)
set(CPACK_PACKAGE_VENDOR "The Quorvex developers")
set(CPACK_PACKAGE_CONTACT "The Quorvex developers <quorvex@users.noreply.github.com>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "desktop front-end for the MAME arcade emulator")
set(CPACK_PACKAGE_DESCRIPTION
    "Quorvex builds a catalogue of every arcade set that MAME emulates, with its\n"
    "availability on your disks, and keeps it so that later starts need no MAME run.\n"
    "Browse the sets in Details, List or Grouped views, search as you type, keep\n"
    "favourites, read a set's history and see its pictures, and start MAME on a set,\n"
    "also recording or playing back input or capturing sound and video.")
string(JOIN "" CPACK_PACKAGE_DESCRIPTION ${CPACK_PACKAGE_DESCRIPTION})
set(CPACK_PACKAGE_HOMEPAGE_URL "https://github.com/quorvex/quorvex")
set(CPACK_GENERATOR DEB)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# Depends: computed from the shared libraries the executable links (dpkg-shlibdeps).
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Quorvex is of no use without a MAME, but that MAME may be one the user built or unpacked. Qt draws the
# desktop theme's SVG icons on the tool bar only with its SVG plug-in (without it, Quorvex's own are shown).
# The start-up video plays through Qt Multimedia's GStreamer backend, which needs GStreamer's plug-ins for
# the containers and codecs of the files it offers (MPEG program streams are in "bad", WMV in "ugly").
# Joystick selection loads SDL2 when it is turned on (without it, there is no joystick).
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "mame, libqt6svg6, libsdl2-2.0-0, gstreamer1.0-plugins-base")
string(APPEND CPACK_DEBIAN_PACKAGE_RECOMMENDS
       ", gstreamer1.0-plugins-good, gstreamer1.0-plugins-bad, gstreamer1.0-plugins-ugly, gstreamer1.0-libav")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)

include(CPack)
