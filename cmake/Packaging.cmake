# The Debian package: `cpack -G DEB` in the build folder makes
# tesselwick_<version>_<arch>.deb from what `cmake --install` puts under /usr.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tesselwick)
set(CPACK_PACKAGE_VENDOR "${TESSELWICK_COMPANY_NAME}")
set(CPACK_PACKAGE_CONTACT "${TESSELWICK_COMPANY_NAME} <support@quorvane.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "${PROJECT_DESCRIPTION}")
set(CPACK_PACKAGE_DESCRIPTION
    "Pick a tile in the tile picker and paint it onto a 256 x 128 map, save and load\n\
map files, load other tile sets from bitmaps, preview the whole map at any zoom\n\
and export it as a bitmap.")
set(CPACK_PACKAGE_HOMEPAGE_URL "${TESSELWICK_WEBSITE_ADDRESS}")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION graphics)
# The libraries come from the binaries (dpkg-shlibdeps). Beside them: the
# fonts the windows are laid out for, and Qt's platform plugins, which the
# program loads at run time rather than links.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation, qt6-qpa-plugins")

include(CPack)
