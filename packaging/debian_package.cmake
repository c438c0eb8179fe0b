# The Debian package: cpack -G DEB in the build tree, or ./scripts/package.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME ${AMP_PACKAGE_NAME})
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "The Amplificatore audio maintainers")
set(CPACK_PACKAGE_CONTACT
    "The Amplificatore audio maintainers <maintainers@users.noreply.c-seed-d4e245da.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "design calculator for a two-stage op-amp audio amplifier")
set(CPACK_PACKAGE_DESCRIPTION
    "Amplificatore audio sizes the components of a two-stage audio amplifier
built round two operational amplifiers, evaluates the modulus and phase of
its transfer ratio Vo/Vi with the effective cut-off frequencies, and plots
its frequency response over six ranges. The user interface is in Italian.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION electronics)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The windows are drawn with Liberation Sans in place of their design fonts; Qt's own dialogs and
# menus take their Italian texts from Qt's translations.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation, qt6-translations-l10n")
# Runs natively on a Wayland session instead of through Xwayland.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS qt6-wayland)

include(CPack)
