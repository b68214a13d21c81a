# cpack -G DEB: a Debian package of what `cmake --install` installs, for Debian 12.
set(CPACK_PACKAGE_NAME "zelvano")
set(CPACK_PACKAGE_VENDOR "Orvane")
set(CPACK_PACKAGE_CONTACT "Orvane <zelvano@orvane.jp>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "baseball league manager game (Japanese)")
set(CPACK_PACKAGE_DESCRIPTION
    "Zelvano is a single-player game in which you manage a professional baseball team in a\n\
three-team league, year after year. Games are decided by the players' career batting averages.\n\
All of the game's text is Japanese. zelvano-sim plays leagues without a window.")
set(CPACK_PACKAGING_INSTALL_PREFIX "/usr")
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION "games")
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "${ZELVANO_HOMEPAGE}")
# The libraries come from dpkg-shlibdeps; the Qt plugins, fonts and translations the game loads
# at run time are named here.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "qt6-qpa-plugins, libqt6svg6, fonts-ipafont-gothic, fonts-ipafont-mincho, qt6-translations-l10n")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-wayland, xdg-utils")
include(CPack)
