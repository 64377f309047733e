# What `cmake --install` puts where, and the Debian package made of it
# (`cpack -G DEB`). The programs find their files as ../share/zavscore from
# their own folder, so any prefix works and nothing is configured in.
if(WIN32)
  # One folder, as Windows programs are installed: the programs and the files
  # they open by name side by side, wx's own translations in locale\.
  install(TARGETS zavscore-cli RUNTIME DESTINATION .)
  # The sample sheets and entries file the README's first steps open.
  install(DIRECTORY examples/ DESTINATION examples)
  if(TARGET zavscore)
    install(TARGETS zavscore RUNTIME DESTINATION .)
    install(DIRECTORY res/program/ DESTINATION .)
    foreach(lang fr it de)
      install(FILES /usr/share/locale/${lang}/LC_MESSAGES/wxstd-3.2.mo
              DESTINATION locale/${lang}/LC_MESSAGES OPTIONAL)
    endforeach()
  endif()
  return()
endif()

# Manual pages and the change log go compressed, as Debian's policy wants:
# gzip -n leaves out the name and time, so the same sources give the same bytes.
set(ZAV_PACKAGE_FILES ${CMAKE_BINARY_DIR}/package)
configure_file(res/debian/changelog.in ${ZAV_PACKAGE_FILES}/changelog @ONLY)
# The copyright file names its machine-readable format as Debian's own dpkg
# (on every Debian system) names it, read from the system at configure time.
file(STRINGS /usr/share/doc/dpkg/copyright ZAV_COPYRIGHT_FORMAT_LINE REGEX "^Format: "
     LIMIT_COUNT 1)
if(NOT ZAV_COPYRIGHT_FORMAT_LINE)
  message(WARNING "No Debian copyright format found in dpkg's copyright file: "
                  "the package's copyright file names none.")
endif()
configure_file(res/debian/copyright.in ${ZAV_PACKAGE_FILES}/copyright @ONLY)
set(ZAV_COMPRESSED ${ZAV_PACKAGE_FILES}/changelog.gz)
add_custom_command(OUTPUT ${ZAV_PACKAGE_FILES}/changelog.gz
                   COMMAND gzip -9nc changelog > changelog.gz
                   WORKING_DIRECTORY ${ZAV_PACKAGE_FILES}
                   DEPENDS ${ZAV_PACKAGE_FILES}/changelog)
foreach(page zavscore zavscore-cli)
  add_custom_command(OUTPUT ${ZAV_PACKAGE_FILES}/${page}.1.gz
                     COMMAND gzip -9nc ${CMAKE_SOURCE_DIR}/res/man/${page}.1 > ${page}.1.gz
                     WORKING_DIRECTORY ${ZAV_PACKAGE_FILES}
                     DEPENDS res/man/${page}.1)
  list(APPEND ZAV_COMPRESSED ${ZAV_PACKAGE_FILES}/${page}.1.gz)
endforeach()
add_custom_target(zav_package_files ALL DEPENDS ${ZAV_COMPRESSED})

install(TARGETS zavscore-cli RUNTIME DESTINATION bin)
install(FILES ${ZAV_PACKAGE_FILES}/zavscore-cli.1.gz DESTINATION share/man/man1)
# The sample sheets and entries file the README's first steps open, beside
# the program's files rather than compressed under share/doc, so that the
# file choosers open them as they are.
install(DIRECTORY examples/ DESTINATION share/zavscore/examples)
install(FILES ${ZAV_PACKAGE_FILES}/copyright ${ZAV_PACKAGE_FILES}/changelog.gz
        DESTINATION share/doc/zavscore)

if(TARGET zavscore)
  install(TARGETS zavscore RUNTIME DESTINATION bin)
  install(DIRECTORY res/program/ DESTINATION share/zavscore)
  install(FILES ${ZAV_PACKAGE_FILES}/zavscore.1.gz DESTINATION share/man/man1)
  install(FILES res/desktop/org.zavscore.ZAVscore.desktop DESTINATION share/applications)
  install(FILES res/desktop/org.zavscore.ZAVscore.metainfo.xml DESTINATION share/metainfo)
  install(FILES res/desktop/zavscore-mime.xml DESTINATION share/mime/packages
          RENAME zavscore.xml)
  foreach(size 16 24 32 48 64 128 256)
    install(FILES res/desktop/zavscore-${size}.png
            DESTINATION share/icons/hicolor/${size}x${size}/apps RENAME zavscore.png)
  endforeach()
  install(FILES res/desktop/zavscore.svg DESTINATION share/icons/hicolor/scalable/apps)
endif()

set(CPACK_PACKAGE_NAME zavscore)
set(CPACK_PACKAGE_VENDOR "The ZAVscore developers")
set(CPACK_PACKAGE_CONTACT "ZAVscore developers <developers@zavscore.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "score sheets for Mounted Games team competitions")
# The body under the summary line; CPack indents it as the control file wants.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "ZAVscore keeps the score sheets of Mounted Games (pony games) team
competitions: the teams, the games and the finishing order of every game.
It computes points, heat positions, tie-breaks, totals and the optional
'Challenge' ranking, shows, prints and exports the sheet and the officials'
and equipment lists, and creates a set of sheets for a whole event from the
organiser's entries file. French, English, Italian and German.

The package holds the window program zavscore and the command-line tool
zavscore-cli.")
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://zavscore.org/")
# The library dependencies are read from the programs themselves; wx's own
# texts (about box, print preview) come in the interface language from wx's
# translations, which no program links to.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# libcurl is loaded by name on the first upload, so no linked library tells
# the package tools that it is needed.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "wx3.2-i18n, libcurl4 (>= 7.88)")
# Reference documents open in the desktop's viewer through xdg-open.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "xdg-utils")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
include(CPack)
