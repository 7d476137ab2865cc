# Install layout for a freedesktop system: the program, its manual page, its menu entry, its icon
# in the hicolor theme, the AppStream record software centres read, and the copyright and
# changelog in its documentation folder. Included from the top-level list file.
include(GNUInstallDirs)

set(_nimbex_pkg "${CMAKE_CURRENT_LIST_DIR}")
set(_nimbex_icons "${PROJECT_SOURCE_DIR}/resources/icons")
set(_nimbex_out "${PROJECT_BINARY_DIR}/packaging")

# packaging/changelog (Debian's format) has an entry for every release, the newest first: it gives
# the release date AppStream and the manual page carry, and it must be this version's.
file(STRINGS "${_nimbex_pkg}/changelog" _nimbex_changes)
list(GET _nimbex_changes 0 _nimbex_newest)
if(NOT _nimbex_newest MATCHES "^nimbex \\(([^)]+)\\) "
   OR NOT CMAKE_MATCH_1 STREQUAL PROJECT_VERSION)
    message(FATAL_ERROR "packaging/changelog: the newest entry is not for version "
                        "${PROJECT_VERSION}; add one at the top: ${_nimbex_newest}")
endif()
list(FILTER _nimbex_changes INCLUDE REGEX "^ -- ")
list(GET _nimbex_changes 0 _nimbex_signed)
set(_nimbex_months Jan Feb Mar Apr May Jun Jul Aug Sep Oct Nov Dec)
list(JOIN _nimbex_months "|" _nimbex_month_names)
if(NOT _nimbex_signed
       MATCHES ">  [A-Z][a-z][a-z], ([0-9]?[0-9]) (${_nimbex_month_names}) ([0-9]+) ")
    message(FATAL_ERROR "packaging/changelog: no date in the newest entry: ${_nimbex_signed}")
endif()
list(FIND _nimbex_months "${CMAKE_MATCH_2}" _nimbex_month)
math(EXPR _nimbex_month "${_nimbex_month} + 1")
math(EXPR _nimbex_day "${CMAKE_MATCH_1}")
set(_nimbex_year "${CMAKE_MATCH_3}")
foreach(part _nimbex_month _nimbex_day)
    if(${part} LESS 10)
        set(${part} "0${${part}}")
    endif()
endforeach()
set(NIMBEX_RELEASE_DATE "${_nimbex_year}-${_nimbex_month}-${_nimbex_day}")

# The version as `nimbex --version` gives it.
set(NIMBEX_MAN_VERSION "${PROJECT_VERSION_MAJOR}.${PROJECT_VERSION_MINOR}.${PROJECT_VERSION_PATCH}")
configure_file("${_nimbex_pkg}/nimbex.1.in" "${_nimbex_out}/nimbex.1" @ONLY)

# Manual pages and changelogs go compressed, as Debian ships them: gzip -9, without the name and
# time stamp that would make two builds differ.
find_program(NIMBEX_GZIP gzip REQUIRED)
set(_nimbex_gz "")
foreach(doc "${_nimbex_out}/nimbex.1" "${_nimbex_pkg}/changelog")
    get_filename_component(_name "${doc}" NAME)
    add_custom_command(OUTPUT "${_nimbex_out}/${_name}.gz"
        COMMAND "${NIMBEX_GZIP}" -9 -n -c "${doc}" > "${_nimbex_out}/${_name}.gz"
        DEPENDS "${doc}"
        COMMENT "Compressing ${_name}" VERBATIM)
    list(APPEND _nimbex_gz "${_nimbex_out}/${_name}.gz")
endforeach()
add_custom_target(nimbex_docs DEPENDS ${_nimbex_gz})
# Built with the program, so that installing after `--target nimbex` finds them.
add_dependencies(nimbex nimbex_docs)

# No libraries of our own are installed (the one plugin is loaded by Qt, not linked), so the
# $ORIGIN search path Qt's project setup adds would only let a stray library next to the binary
# shadow the system's Qt.
set_target_properties(nimbex PROPERTIES INSTALL_RPATH "")
install(TARGETS nimbex RUNTIME DESTINATION "${CMAKE_INSTALL_BINDIR}")
set(_nimbex_stripped "${CMAKE_INSTALL_BINDIR}/$<TARGET_FILE_NAME:nimbex>")

# The Wayland buffer plugin, where main.cpp looks for it: ../lib/nimbex/plugins from the program.
if(TARGET nimbex_raster_buffers)
    set(_nimbex_plugins "lib/nimbex/plugins/wayland-graphics-integration-client")
    set_target_properties(nimbex_raster_buffers PROPERTIES INSTALL_RPATH "")
    install(TARGETS nimbex_raster_buffers LIBRARY DESTINATION "${_nimbex_plugins}")
    list(APPEND _nimbex_stripped "${_nimbex_plugins}/$<TARGET_FILE_NAME:nimbex_raster_buffers>")
endif()

# A stripped install (cpack, `cmake --install --strip`) also drops the compiler's version notes
# in .comment and .note, as Debian's own packaging does; nothing reads them at run time.
foreach(_file ${_nimbex_stripped})
    install(CODE "if(CMAKE_INSTALL_DO_STRIP AND NOT \"${CMAKE_STRIP}\" STREQUAL \"\")
    execute_process(
        COMMAND \"${CMAKE_STRIP}\" --remove-section=.comment --remove-section=.note
                \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${_file}\"
        COMMAND_ERROR_IS_FATAL ANY)
endif()")
endforeach()
install(FILES "${_nimbex_out}/nimbex.1.gz" DESTINATION "${CMAKE_INSTALL_MANDIR}/man1")

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

install(FILES "${_nimbex_pkg}/copyright" "${_nimbex_out}/changelog.gz"
        DESTINATION "${CMAKE_INSTALL_DATADIR}/doc/nimbex")

# The manual page as man(1) renders it: any warning of groff's, at its strictest, fails.
if(BUILD_TESTING)
    find_program(NIMBEX_GROFF groff)
    if(NOT NIMBEX_GROFF)
        set(NIMBEX_GROFF groff) # the test then fails and says so; deps.sh --test installs it
    endif()
    add_test(NAME manual_page
             COMMAND "${NIMBEX_GROFF}" -man -ww -z -Tutf8 "${_nimbex_out}/nimbex.1")
    set_tests_properties(manual_page PROPERTIES FAIL_REGULAR_EXPRESSION "[^ \n]")
    # The menu entry and the software centres' record, in every language they carry: any
    # warning of desktop-file-validate fails, and any error or warning of appstreamcli.
    add_test(NAME menu_entry COMMAND desktop-file-validate "${_nimbex_pkg}/nimbex.desktop")
    set_tests_properties(menu_entry PROPERTIES FAIL_REGULAR_EXPRESSION "[^ \n]")
    add_test(NAME appstream_record COMMAND appstreamcli validate --no-net
                                           "${PROJECT_BINARY_DIR}/packaging/nimbex.metainfo.xml")
endif()

include("${_nimbex_pkg}/Package.cmake")
