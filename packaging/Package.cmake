# A Debian package of the installed tree: `cpack -G DEB` in the build folder, or
# scripts/package.sh. The Qt libraries in Depends come from dpkg-shlibdeps on the binary and the
# Wayland buffer plugin (which links libQt6WaylandClient); the fonts are looked up by family at
# run time, so no linker knows about them.
set(CPACK_GENERATOR "DEB")
set(CPACK_PACKAGE_NAME "nimbex")
set(CPACK_PACKAGE_VENDOR "Vantrel")
set(CPACK_PACKAGE_VERSION "${PROJECT_VERSION}")
set(CPACK_PACKAGE_CONTACT "Vantrel <nimbex@example.invalid>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "desk clock showing the time in binary-coded decimal")
set(CPACK_PACKAGE_INSTALL_DIRECTORY "nimbex")
set(CPACK_PACKAGING_INSTALL_PREFIX "/usr")
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_PACKAGE_NAME "nimbex")
set(CPACK_DEBIAN_FILE_NAME "DEB-DEFAULT")
set(CPACK_DEBIAN_PACKAGE_RELEASE "")
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${CPACK_PACKAGE_CONTACT}")
# Debian's section for graphical programs that belong to no one desktop; "utils" is for
# command-line and system tools.
set(CPACK_DEBIAN_PACKAGE_SECTION "x11")
set(CPACK_DEBIAN_PACKAGE_PRIORITY "optional")
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://vantrel.example/")
# CPack puts the summary in front as the synopsis line.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "Nimbex shows the local time as lamps in six columns, one for each decimal
digit of the hours, minutes and seconds, weighing 8, 4, 2 and 1. It can add
a decimal read-out, run full screen or hide to the notification area.")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The run list of scripts/deps.sh, no more. Tahoma comes from Wine's fonts, Times New Roman is
# matched by Liberation Serif.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-wine, fonts-liberation")
# Without the Wayland plugin Qt falls back to X11 through Xwayland; without xdg-utils the About
# box's web links have nothing to open them; without Qt's translations --help's standard lines
# stay English; without the two font packages Japanese, Chinese and Hebrew texts show as boxes.
# The clock itself starts and ticks without any of them.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS
    "qt6-wayland, xdg-utils, qt6-translations-l10n, fonts-wqy-microhei, fonts-dejavu-core")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
# lintian's overrides, which only the package carries.
set(CPACK_PRE_BUILD_SCRIPTS "${CMAKE_CURRENT_LIST_DIR}/PackageOnly.cmake")

include(CPack)
