# Install layout for a freedesktop system: the program, its menu entry, its icon in the hicolor
# theme and the AppStream record software centres read. Included from the top-level list file.
include(GNUInstallDirs)

# Bump together with the project version; AppStream wants a date for every release.
set(NIMBEX_RELEASE_DATE "2026-12-06")

set(_nimbex_pkg "${CMAKE_CURRENT_LIST_DIR}")
set(_nimbex_icons "${PROJECT_SOURCE_DIR}/resources/icons")

# No libraries of our own are installed (the one plugin is loaded by Qt, not linked), so the
# $ORIGIN search path Qt's project setup adds would only let a stray library next to the binary
# shadow the system's Qt.
set_target_properties(nimbex PROPERTIES INSTALL_RPATH "")
install(TARGETS nimbex RUNTIME DESTINATION "${CMAKE_INSTALL_BINDIR}")
# The Wayland buffer plugin, where main.cpp looks for it: ../lib/nimbex/plugins from the program.
if(TARGET nimbex_raster_buffers)
    set_target_properties(nimbex_raster_buffers PROPERTIES INSTALL_RPATH "")
    install(TARGETS nimbex_raster_buffers
            LIBRARY DESTINATION "lib/nimbex/plugins/wayland-graphics-integration-client")
endif()

install(FILES "${_nimbex_pkg}/nimbex.desktop" DESTINATION "${CMAKE_INSTALL_DATADIR}/applications")

foreach(size 16 32 48 64 128 256)
    install(FILES "${_nimbex_icons}/hicolor/${size}x${size}/nimbex.png"
            DESTINATION "${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps")
endforeach()
install(FILES "${_nimbex_icons}/nimbex.svg"
        DESTINATION "${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps")

configure_file("${_nimbex_pkg}/nimbex.metainfo.xml.in"
               "${PROJECT_BINARY_DIR}/packaging/nimbex.metainfo.xml" @ONLY)
install(FILES "${PROJECT_BINARY_DIR}/packaging/nimbex.metainfo.xml"
        DESTINATION "${CMAKE_INSTALL_DATADIR}/metainfo")

install(FILES "${_nimbex_pkg}/copyright" DESTINATION "${CMAKE_INSTALL_DATADIR}/doc/nimbex")

include("${_nimbex_pkg}/Package.cmake")
