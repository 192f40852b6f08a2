# The Debian package: cpack (scripts/package.sh) builds kestload_<version>_amd64.deb
# from the installation above, with the prefix /usr.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME kestload)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "KestLoad maintainers <kestload@localhost>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Checks a robot's tool and arm loads against its allowable loads")
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "KestLoad tells whether the tool on a robot's flange (mass, centre of gravity,
moments of inertia) and the equipment mounted on its arm stay within what the
robot's wrist and main axes may carry, for up to three robot models side by
side, with a payload diagram, moment and inertia charts and a printed report.")
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_PACKAGE_DIRECTORY ${CMAKE_BINARY_DIR}/package)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
# The Qt, pugixml, Nettle and C++ runtime packages come from the libraries the
# program and its libraries link (dpkg-shlibdeps); the fonts stand in for the
# Arial and Korean faces the drawings and the manual ask for.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation2, fonts-nanum")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-wayland")
include(CPack)
