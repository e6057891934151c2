# The Debian package, from a release build: cpack -G DEB in the build folder
# (./test.sh --package builds, packs and checks it).
set(CPACK_PACKAGE_NAME zephyrdex)
set(CPACK_PACKAGE_VENDOR "Zephyrdex maintainers")
set(CPACK_PACKAGE_CONTACT "Zephyrdex maintainers <maintainers@users.noreply.c-seed-639ed867.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "encyclopedia and hero build calculator of a strategy game")
set(CPACK_PACKAGE_DESCRIPTION
    "Zephyrdex is a desktop reference and build calculator for a team strategy game:\n"
    "an encyclopedia of documents, a hero calculator that levels abilities, fills\n"
    "item slots and recomputes every statistic from the effect programs of its\n"
    "catalogues, and a slang dictionary with search as you type. The interface is\n"
    "Russian. A sample game comes with it, and zephyrdex-cli checks, prints and\n"
    "compiles the data.")
string(JOIN "" CPACK_PACKAGE_DESCRIPTION ${CPACK_PACKAGE_DESCRIPTION})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS ${CMAKE_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS})

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
# A Debian revision: the changelog is changelog.Debian, as for any packaged program.
set(CPACK_DEBIAN_PACKAGE_RELEASE 1)
# A companion to a game rather than a game: Debian keeps games' programs in
# /usr/games, and these belong in /usr/bin.
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# What the libraries do not say: the faces the program substitutes for the
# Windows fonts (src/ui/shell/application_style.cpp). The browser engine's helper
# process (libqt6webenginecore6-bin) comes with the engine's shlibs, and the
# xcb and offscreen platforms with libqt6gui6.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-dejavu-core, fonts-liberation, fonts-paratype")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)

include(CPack)
