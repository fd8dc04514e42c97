# A Debian package a shop can install with apt or dpkg:
#   cmake --build build && (cd build && cpack -G DEB)
# The program carries its starter data as resources, so the package needs
# nothing beyond the Qt 6 runtime, its platform plugins, Qt's own translations
# (the buttons of message boxes in French) and the free fonts that stand in for
# Georgia and Arial.

set(CPACK_PACKAGE_NAME "vintrelo")
set(CPACK_PACKAGE_VENDOR "Vintrelo developers")
set(CPACK_PACKAGE_CONTACT "Vintrelo developers")
set(CPACK_PACKAGE_VERSION "${PROJECT_VERSION}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Winemaking batch tracker for a wine shop or home winery")
set(CPACK_PACKAGE_DESCRIPTION
    "Vintrelo follows every batch of wine from the day it is started until it
is bottled. A batch follows a recipe: a list of steps, each due a number of
days after the start date. Every day Vintrelo lists the actions due in all
batches in progress; they are completed (amount, measurement, notes) or
postponed, and a batch whose last action is done moves to the archive of
completed batches. Recipes are edited in a grid, carboy tracking tags and a
to-do sheet are printed (or saved as PDF), and a chart of winemaking
chemicals is at hand.

All data are plain text files in one data folder, which the program sets up
on its first start with grape varieties, recipe actions, chemicals and three
starter recipes.")
set(CPACK_PACKAGE_INSTALL_DIRECTORY "vintrelo")
set(CPACK_STRIP_FILES ON)
set(CPACK_GENERATOR "DEB")
# A source archive holds the sources only, never build trees or the history.
set(CPACK_SOURCE_GENERATOR "TXZ")
set(CPACK_SOURCE_IGNORE_FILES
    "^${PROJECT_SOURCE_DIR}/build" "^${PROJECT_SOURCE_DIR}/gallery/" "/\\\\.git/" "/\\\\.cache/"
    "\\\\.user$")

set(CPACK_DEBIAN_PACKAGE_NAME "vintrelo")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_VERSION "${PROJECT_VERSION}")
set(CPACK_DEBIAN_PACKAGE_RELEASE "")
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "Vintrelo developers")
set(CPACK_DEBIAN_PACKAGE_SECTION "misc")
set(CPACK_DEBIAN_PACKAGE_PRIORITY "optional")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)

# The platform plugins, Qt's translations and the fonts are loaded at run time, so no library
# scan finds them. The Qt libraries come from dpkg-shlibdeps with the versions
# the program was built against; without it they are named here.
set(_vintrelo_depends "qt6-qpa-plugins (>= 6.4)" "qt6-translations-l10n" "fonts-liberation"
                      "fonts-dejavu-core")
find_program(VINTRELO_DPKG_SHLIBDEPS dpkg-shlibdeps)
find_program(VINTRELO_FILE_COMMAND file)
if(VINTRELO_DPKG_SHLIBDEPS AND VINTRELO_FILE_COMMAND)
    set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
else()
    list(APPEND _vintrelo_depends
         "libqt6widgets6 (>= 6.4)" "libqt6printsupport6 (>= 6.4)" "libqt6charts6 (>= 6.4)"
         "libqt6gui6 (>= 6.4)"
         "libqt6core6 (>= 6.4)" "libzip4 (>= 1.7)" "libqrencode4")
endif()
list(JOIN _vintrelo_depends ", " CPACK_DEBIAN_PACKAGE_DEPENDS)

include(CPack)
