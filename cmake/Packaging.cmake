# The Debian package (scripts/package): quillmere_VERSION_ARCH.deb with the
# programs, the desktop entry, the AppStream file and the icons. Its library
# dependencies are worked out by dpkg-shlibdeps; Qt's platform plugins are a
# plugin, not a linked library, so they are named by hand.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME quillmere)
set(CPACK_PACKAGE_VENDOR "Tarrowby")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "Quillmere developers <quillmere@tarrowby.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
    "mail pre-filter: deletes spam on POP3 servers before it is downloaded")
set(CPACK_PACKAGE_DESCRIPTION
    "Quillmere signs in to up to twelve POP3 mailboxes, downloads only the size and the header of each waiting message, marks each one by your rules, and deletes the marked messages on the server, so that your mail program later downloads only what is left. It runs by hand or unattended from the system tray, keeps an activity log and draws statistics from it.")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION mail)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# qtkeychain loads libsecret at run time, and Qt SQL its SQLite driver (a
# plugin), so shlibdeps cannot see them.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, libsecret-1-0, libqt6sql6-sqlite")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "adwaita-icon-theme | breeze-icon-theme")
set(CPACK_DEBIAN_PACKAGE_SUGGESTS "network-manager")
set(CPACK_STRIP_FILES ON)
include(CPack)
