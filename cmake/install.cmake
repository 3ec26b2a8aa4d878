# Installation as a desktop program (cmake --install) and the packages
# (cpack): the Debian package on Linux, the installer and the portable zip
# on Windows. Included at the end of the top-level CMakeLists.txt.

# (IQX_VERSION is set at the top of CMakeLists.txt.)
configure_file(${CMAKE_CURRENT_LIST_DIR}/iqx_version.h.in
               ${CMAKE_BINARY_DIR}/generated/iqx_version.h @ONLY)
# (src/app includes the generated header.)

# What both kinds of package say about themselves.
set(CPACK_PACKAGE_NAME informacja)
set(CPACK_PACKAGE_VERSION ${IQX_VERSION})
set(CPACK_PACKAGE_VENDOR "Informacja QX")
set(CPACK_PACKAGE_CONTACT "Informacja QX <informacja@localhost>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
    "Informacja w sprawie podatków i opłat lokalnych")
# Only what the install rules name goes into a package; making one does not
# rebuild every test first.
set(CMAKE_SKIP_INSTALL_ALL_DEPENDENCY TRUE)

# --- Windows ---
# The program's folder, under Program Files or wherever the zip is unpacked:
#   informacja.exe, the Qt and MinGW DLLs it loads
#   qt.conf                    Qt looks for its plugins and texts here
#   platforms\, styles\        Qt's plugins
#   translations\qtbase_pl.qm  Qt's own texts in Polish
#   data\informacja\GMINY.txt  the register a new work folder gets a copy of
#   informacja.ico             for the Start menu and the list of programs
#   docs\, licenses\           the guide; the licence texts of Qt and libzip
# cpack -G NSIS makes the installer, cpack -G ZIP the portable zip.
if(WIN32)
  set(CMAKE_INSTALL_DEFAULT_COMPONENT_NAME program)
  # Drawn from the SVG by the build (src/app).
  set(IQX_ICON ${CMAKE_BINARY_DIR}/generated/informacja.ico)

  # Qt's libraries and plugins the program uses, and the MinGW runtime
  # (libstdc++, libgcc_s, winpthread) that they and the program import,
  # found by reading their import tables where the compiler says it keeps
  # it. (Names read there are lower-cased, which finds Qt's DLLs on no
  # Linux disk: they are named here.) Windows' own DLLs stay out.
  foreach(dll libstdc++-6.dll libwinpthread-1.dll)
    execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=${dll}
                    OUTPUT_VARIABLE path OUTPUT_STRIP_TRAILING_WHITESPACE)
    if(NOT IS_ABSOLUTE "${path}")
      message(FATAL_ERROR "${CMAKE_CXX_COMPILER} does not know where ${dll} is")
    endif()
    get_filename_component(dir "${path}" DIRECTORY)
    list(APPEND IQX_MINGW_RUNTIME_DIRS "${dir}")
  endforeach()
  install(CODE "set(CMAKE_GET_RUNTIME_DEPENDENCIES_PLATFORM windows+pe)
                set(CMAKE_GET_RUNTIME_DEPENDENCIES_TOOL objdump)")
  install(TARGETS informacja RUNTIME_DEPENDENCY_SET iqx_dlls RUNTIME DESTINATION .)
  install(IMPORTED_RUNTIME_ARTIFACTS Qt6::Core Qt6::Gui Qt6::Widgets Qt6::PrintSupport
          RUNTIME_DEPENDENCY_SET iqx_dlls RUNTIME DESTINATION .)
  install(IMPORTED_RUNTIME_ARTIFACTS Qt6::QWindowsIntegrationPlugin
          RUNTIME_DEPENDENCY_SET iqx_dlls LIBRARY DESTINATION platforms)
  install(IMPORTED_RUNTIME_ARTIFACTS Qt6::QWindowsVistaStylePlugin
          RUNTIME_DEPENDENCY_SET iqx_dlls LIBRARY DESTINATION styles)
  install(RUNTIME_DEPENDENCY_SET iqx_dlls DESTINATION . DIRECTORIES ${IQX_MINGW_RUNTIME_DIRS}
          PRE_INCLUDE_REGEXES "^lib(stdc\\+\\+-6|gcc_s_seh-1|winpthread-1)\\.dll$"
          PRE_EXCLUDE_REGEXES ".*")

  # Paths relative to the program's folder, with Windows' line ends.
  file(WRITE ${CMAKE_BINARY_DIR}/generated/qt.conf
       "[Paths]\r\nPrefix=.\r\nPlugins=.\r\nTranslations=translations\r\n")
  install(FILES ${CMAKE_BINARY_DIR}/generated/qt.conf DESTINATION .)
  # Qt's Polish texts are the same on every system: the host Qt's.
  find_file(IQX_QTBASE_PL qtbase_pl.qm PATHS ${QT_HOST_PATH}/share/qt6/translations
            NO_DEFAULT_PATH NO_CMAKE_FIND_ROOT_PATH REQUIRED)
  install(FILES ${IQX_QTBASE_PL} DESTINATION translations)

  install(FILES ${CMAKE_SOURCE_DIR}/data/GMINY.txt DESTINATION data/informacja)
  install(FILES ${IQX_ICON} DESTINATION .)
  install(FILES ${CMAKE_SOURCE_DIR}/docs/przewodnik.md ${CMAKE_SOURCE_DIR}/docs/eksport.md
          DESTINATION docs)
  install(DIRECTORY ${CMAKE_SOURCE_DIR}/docs/img DESTINATION docs)
  install(DIRECTORY ${QT6_INSTALL_PREFIX}/licenses/ DESTINATION licenses)
  # libzip is linked into the program; scripts/windows.sh keeps its licence
  # at the top of its prefix.
  if(libzip_DIR)
    get_filename_component(IQX_LIBZIP_LICENSE ${libzip_DIR}/../../../LICENSE-libzip.txt ABSOLUTE)
    install(FILES ${IQX_LIBZIP_LICENSE} DESTINATION licenses)
  endif()

  # The portable zip works in its own folder, as the program does without
  # --user-folder: its register lies beside the program there. The
  # installer leaves this copy out.
  install(FILES ${CMAKE_SOURCE_DIR}/data/GMINY.txt DESTINATION . COMPONENT portable EXCLUDE_FROM_ALL)

  set(CPACK_GENERATOR NSIS ZIP)
  set(CPACK_SYSTEM_NAME win64)
  set(CPACK_PACKAGE_INSTALL_DIRECTORY "Informacja QX")
  set(CPACK_PACKAGE_INSTALL_REGISTRY_KEY InformacjaQX)
  set(CPACK_STRIP_FILES ON)
  # The installer, NSIS 3: 64-bit and Unicode, into Program Files, in
  # Polish or English. Its template (packaging/windows/NSIS.template.in)
  # says what it changes of CPack's own.
  list(PREPEND CMAKE_MODULE_PATH ${CMAKE_SOURCE_DIR}/packaging/windows)
  set(CPACK_NSIS_INSTALL_ROOT "$PROGRAMFILES64")
  set(CPACK_NSIS_PACKAGE_NAME "Informacja QX")
  set(CPACK_NSIS_DISPLAY_NAME "Informacja QX")
  set(CPACK_NSIS_MUI_ICON ${IQX_ICON})
  set(CPACK_NSIS_MUI_UNIICON ${IQX_ICON})
  set(CPACK_NSIS_INSTALLED_ICON_NAME informacja.ico)
  set(CPACK_NSIS_UNINSTALL_NAME uninstall)
  set(CPACK_NSIS_COMPRESSOR "/SOLID lzma")
  set(CPACK_NSIS_MANIFEST_DPI_AWARE ON)
  set(CPACK_NSIS_IGNORE_LICENSE_PAGE ON)
  # A new version first removes the old one's files (never the documents).
  set(CPACK_NSIS_ENABLE_UNINSTALL_BEFORE_INSTALL ON)
  set(CPACK_NSIS_EXECUTABLES_DIRECTORY .)
  set(CPACK_NSIS_MUI_FINISHPAGE_RUN informacja.exe)
  # (The branding text here: CPACK_NSIS_BRANDING_TEXT adds a /TRIM option
  # that makensis refuses outside Windows.)
  set(CPACK_NSIS_DEFINES [[
Unicode true
Target amd64-unicode
BrandingText "Informacja QX @IQX_VERSION@"
!define MUI_FINISHPAGE_RUN_PARAMETERS "--user-folder"
VIProductVersion "@IQX_VERSION@.0"
VIAddVersionKey /LANG=0 "ProductName" "Informacja QX"
VIAddVersionKey /LANG=0 "ProductVersion" "@IQX_VERSION@"
VIAddVersionKey /LANG=0 "FileVersion" "@IQX_VERSION@"
VIAddVersionKey /LANG=0 "FileDescription" "Informacja QX @IQX_VERSION@"
VIAddVersionKey /LANG=0 "LegalCopyright" "Informacja QX"]])
  string(CONFIGURE "${CPACK_NSIS_DEFINES}" CPACK_NSIS_DEFINES @ONLY)
  # The Start-menu entries: the program in the documents folder's work
  # folder, and the update of its register from a TERC file of GUS (the
  # program asks for the file).
  set(CPACK_NSIS_CREATE_ICONS_EXTRA [[
  CreateShortCut "$SMPROGRAMS\$STARTMENU_FOLDER\Informacja QX.lnk" "$INSTDIR\informacja.exe" "--user-folder" "$INSTDIR\informacja.ico" 0 SW_SHOWNORMAL "" "Informacja w sprawie podatków i opłat lokalnych"
  CreateShortCut "$SMPROGRAMS\$STARTMENU_FOLDER\Aktualizuj rejestr gmin.lnk" "$INSTDIR\informacja.exe" "--user-folder --import-register" "$INSTDIR\informacja.ico" 0 SW_SHOWNORMAL "" "Wczytaj rejestr gmin z pliku TERC"]])
  set(CPACK_NSIS_DELETE_ICONS_EXTRA [[
  Delete "$SMPROGRAMS\$MUI_TEMP\Informacja QX.lnk"
  Delete "$SMPROGRAMS\$MUI_TEMP\Aktualizuj rejestr gmin.lnk"]])
  set(CPACK_NSIS_EXTRA_INSTALL_COMMANDS [[
  WriteRegStr SHCTX "Software\Microsoft\Windows\CurrentVersion\Uninstall\InformacjaQX" "InstallLocation" "$INSTDIR"
  WriteRegStr SHCTX "Software\Microsoft\Windows\CurrentVersion\Uninstall\InformacjaQX" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S']])
  # Per package: the file names, and the zip's own copy of the register.
  set(CPACK_PROJECT_CONFIG_FILE ${CMAKE_SOURCE_DIR}/packaging/windows/cpack-options.cmake)
  set(CPACK_VERBATIM_VARIABLES ON)
  include(CPack)

  add_test(NAME windows_installer
           COMMAND bash ${CMAKE_SOURCE_DIR}/tests/windows/package_check.sh installer ${CMAKE_BINARY_DIR}
                   ${CMAKE_SOURCE_DIR} ${CMAKE_CROSSCOMPILING_EMULATOR})
  add_test(NAME windows_zip
           COMMAND bash ${CMAKE_SOURCE_DIR}/tests/windows/package_check.sh zip ${CMAKE_BINARY_DIR}
                   ${CMAKE_SOURCE_DIR} ${CMAKE_CROSSCOMPILING_EMULATOR})
  set_tests_properties(windows_installer windows_zip PROPERTIES SKIP_RETURN_CODE 77 TIMEOUT 900)
  return()
endif()

# --- Linux ---
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
include(CPack)

# --- Tests of the installed layout ---
find_program(IQX_DESKTOP_FILE_VALIDATE desktop-file-validate)
add_test(NAME desktop_entry
         COMMAND ${IQX_DESKTOP_FILE_VALIDATE} ${CMAKE_SOURCE_DIR}/packaging/informacja.desktop)
add_test(NAME deb_package
         COMMAND bash ${CMAKE_SOURCE_DIR}/tests/install/package.sh ${CMAKE_BINARY_DIR} ${CMAKE_SOURCE_DIR})
set_tests_properties(deb_package PROPERTIES SKIP_RETURN_CODE 77 TIMEOUT 300)
