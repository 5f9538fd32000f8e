# SPDX-FileCopyrightText: 2026 Zespół Terravika
# SPDX-License-Identifier: GPL-3.0-or-later

# The Debian package: `cpack -G DEB` (or scripts/package) in the build folder
# writes terravika_<version>_amd64.deb holding everything the install rules
# install. Its dependencies are computed by dpkg-shlibdeps from the binaries
# (the X11 platform plugin and the sound output come with the Qt libraries).
# The SQLite driver of Qt SQL is a plugin loaded at run time, so no binary
# names it: it is listed by hand.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME terravika)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "program do nauki geografii dla uczniów")
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "Terravika świata: quizy, mapy, puzzle i ćwiczenia z geografii.\n"
    "Quiz wiedzy z oceną szkolną, stolice świata, puzzle ze zdjęć, rozpoznawanie\n"
    "państw, współrzędne geograficzne, teksty o wielkich odkrywcach oraz mapy\n"
    "kontynentów w trybach nauki, testu i szukania.")
string(JOIN "" CPACK_DEBIAN_PACKAGE_DESCRIPTION ${CPACK_DEBIAN_PACKAGE_DESCRIPTION})
set(CPACK_PACKAGE_CONTACT "Zespół Terravika <zespol@terravika.invalid>")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Qt's own texts in Polish, libchm (loaded when the help opens) and the
# results' database driver: no binary names them, so they are added to the
# libraries' packages here.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-translations-l10n, libchm1, libqt6sql6-sqlite")
include(CPack)
