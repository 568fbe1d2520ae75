# The Debian package: `cpack -G DEB` in a build tree makes qelvane_<version>_<arch>.deb
# from the install rules. scripts/package does it for the `package` preset
# (the release build without tests and benchmarks).
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME qelvane)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "The Qelvane developers")
set(CPACK_PACKAGE_CONTACT "The Qelvane developers <qelvane@example.org>")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "set-up wizard for a new home wireless router")
# One line per line of the control file's long description.
string(JOIN "\n" CPACK_PACKAGE_DESCRIPTION
  "Qelvane sets up a new home wireless router from a PC cabled to it. It"
  "switches the PC's wired adapters to automatic addressing, logs in to the"
  "router's web administration, asks for the Internet connection (static IP,"
  "dynamic IP, PPPoE, PPTP, L2TP) and the wireless settings, saves them and"
  "shows the resulting connection state. In English and Simplified Chinese.")

# The package's version comes from the top entry of its changelog, whose
# upstream part must be the project's.
file(STRINGS ${PROJECT_SOURCE_DIR}/packaging/changelog changelog_top LIMIT_COUNT 1)
if(NOT changelog_top MATCHES "^qelvane \\(([^-]+)-([^)]+)\\) ")
  message(FATAL_ERROR "packaging/changelog: the top line is not 'qelvane (VERSION-REVISION) ...'")
endif()
if(NOT CMAKE_MATCH_1 STREQUAL PROJECT_VERSION)
  message(FATAL_ERROR "packaging/changelog is at ${CMAKE_MATCH_1}, the project at ${PROJECT_VERSION}")
endif()
set(CPACK_DEBIAN_PACKAGE_RELEASE ${CMAKE_MATCH_2})

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION net)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# dpkg-shlibdeps finds the libraries the program and Tarnwick link; what is
# only loaded at run time is named here: Qt's platform plugins, the fonts
# the skin asks for ("Arial" and the Chinese texts) and the schema that holds
# the desktop's proxy switch.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS
  "qt6-qpa-plugins, fonts-liberation2, fonts-noto-cjk | fonts-wqy-microhei, gsettings-desktop-schemas")
# The adapter reset asks NetworkManager over D-Bus and the proxy switch is
# kept by dconf; without them the wizard still sets up the router.
# qt6-wayland: a Wayland desktop (GNOME, Plasma) runs the wizard natively
# rather than through XWayland by chance.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "network-manager, dconf-gsettings-backend | gsettings-backend, qt6-wayland")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_DEBIAN_PACKAGE_CONTROL_EXTRA ${PROJECT_SOURCE_DIR}/packaging/conffiles)
# Debian's layout on top of the install rules: setting.ini as a conffile,
# the copyright, the changelog and the lintian overrides; then the ldconfig
# calls CPack adds for the private library go (the scripts say why).
set(CPACK_QELVANE_DEBIAN_DIR ${PROJECT_SOURCE_DIR}/packaging)
set(CPACK_PRE_BUILD_SCRIPTS ${PROJECT_SOURCE_DIR}/packaging/debian_layout.cmake)
set(CPACK_POST_BUILD_SCRIPTS ${PROJECT_SOURCE_DIR}/packaging/drop_ldconfig_calls.cmake)

include(CPack)
