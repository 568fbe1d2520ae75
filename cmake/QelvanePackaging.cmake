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
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "network-manager, dconf-gsettings-backend | gsettings-backend")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)

include(CPack)
