# Run by cpack once it has installed the tree into its staging folder (CPACK_PRE_BUILD_SCRIPTS):
# adds what belongs to the Debian package alone and not to an install by hand.
set(_usr "${CPACK_TEMPORARY_DIRECTORY}${CPACK_PACKAGING_INSTALL_PREFIX}")

# lintian's overrides for this package, each with its reason.
set(_overrides "${_usr}/share/lintian/overrides")
file(MAKE_DIRECTORY "${_overrides}")
file(COPY_FILE "${CMAKE_CURRENT_LIST_DIR}/nimbex.lintian-overrides" "${_overrides}/nimbex")
file(CHMOD "${_usr}/share/lintian" "${_overrides}"
     PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ
                 WORLD_EXECUTE)
file(CHMOD "${_overrides}/nimbex" PERMISSIONS OWNER_READ OWNER_WRITE GROUP_READ WORLD_READ)
