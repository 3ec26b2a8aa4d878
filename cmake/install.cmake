# Installation as a desktop program (cmake --install) and the Debian package
# (cpack). Included at the end of the top-level CMakeLists.txt.

# (IQX_VERSION is set at the top of CMakeLists.txt.)
configure_file(${CMAKE_CURRENT_LIST_DIR}/iqx_version.h.in
               ${CMAKE_BINARY_DIR}/generated/iqx_version.h @ONLY)
# (src/app includes the generated header.)

# On Windows the program is laid out and packaged by scripts/windows.sh
# (an NSIS installer and a zip); what follows is the Linux installation.
if(WIN32)
  return()
endif()

include(GNUInstallDirs)

# The program finds its register at ../share/informacja/GMINY.txt from its
# own folder, so the layout below must stay relative to one prefix.
install(TARGETS informacja RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${CMAKE_SOURCE_DIR}/data/GMINY.txt
        DESTINATION ${CMAKE_INSTALL_DATADIR}/informacja)
install(FILES ${CMAKE_SOURCE_DIR}/packaging/informacja.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${CMAKE_SOURCE_DIR}/packaging/informacja.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
install(FILES ${CMAKE_SOURCE_DIR}/docs/przewodnik.md ${CMAKE_SOURCE_DIR}/docs/eksport.md
        DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/informacja)
install(DIRECTORY ${CMAKE_SOURCE_DIR}/docs/img
        DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/informacja)

# Manual pages are installed compressed, as man-db expects them.
add_custom_command(
  OUTPUT ${CMAKE_BINARY_DIR}/informacja.1.gz
  COMMAND gzip -9n -c ${CMAKE_SOURCE_DIR}/docs/informacja.1 > ${CMAKE_BINARY_DIR}/informacja.1.gz
  DEPENDS ${CMAKE_SOURCE_DIR}/docs/informacja.1
  VERBATIM)
add_custom_target(informacja_manpage ALL DEPENDS ${CMAKE_BINARY_DIR}/informacja.1.gz)
install(FILES ${CMAKE_BINARY_DIR}/informacja.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)

# --- Debian package: cpack -G DEB in the build folder ---
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME informacja)
set(CPACK_PACKAGE_VERSION ${IQX_VERSION})
set(CPACK_PACKAGE_VENDOR "Informacja QX")
set(CPACK_PACKAGE_CONTACT "Informacja QX <informacja@localhost>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
    "Informacja w sprawie podatków i opłat lokalnych")
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "Informacja w sprawie podatków i opłat lokalnych\n Program urzędu gminy do wpisywania i drukowania rocznej informacji\n o podatkach i opłatach lokalnych: sześć stron danych, sprawdzanie\n wpisów, podgląd wydruku, druk i eksport do PDF.")
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
# The libraries the program links come from dpkg-shlibdeps. Besides them it
# needs the fonts the pages are laid out in (Liberation Sans stands for
# Arial and MS Sans Serif) and the Qt platform plugins, which newer Debian
# releases ship apart from the Qt GUI library.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation2, fontconfig, qt6-qpa-plugins, qt6-translations-l10n")
# Only what the install rules above name goes into the package; building it
# does not rebuild every test first.
set(CMAKE_SKIP_INSTALL_ALL_DEPENDENCY TRUE)
include(CPack)

# --- Tests of the installed layout ---
find_program(IQX_DESKTOP_FILE_VALIDATE desktop-file-validate)
add_test(NAME desktop_entry
         COMMAND ${IQX_DESKTOP_FILE_VALIDATE} ${CMAKE_SOURCE_DIR}/packaging/informacja.desktop)
add_test(NAME deb_package
         COMMAND bash ${CMAKE_SOURCE_DIR}/tests/install/package.sh ${CMAKE_BINARY_DIR} ${CMAKE_SOURCE_DIR})
set_tests_properties(deb_package PROPERTIES SKIP_RETURN_CODE 77 TIMEOUT 300)
