# Installation (GNU layout) and the Debian package.
#
# orvanto and orvanto-cli go into bin; libcities.so into a private library
# folder (<libdir>/orvanto) that both programs find through their run path,
# with libcli-qt.so, the module orvanto-cli loads for its commands that draw
# or need Qt's network (found through the same run path); the
# help pages and pictures are compiled into the programs. Desktop integration:
# the menu entry, the hicolor icons, the AppStream metainfo, the manual pages
# and the bash completion of orvanto-cli.
include(GNUInstallDirs)

set(ORVANTO_APP_ID org.orvanto.Orvanto)
set(ORVANTO_PRIVATE_LIBDIR ${CMAKE_INSTALL_LIBDIR}/orvanto)
set(packaging ${PROJECT_SOURCE_DIR}/packaging)

set_target_properties(orvanto orvanto-cli PROPERTIES
                      INSTALL_RPATH "$ORIGIN/../${ORVANTO_PRIVATE_LIBDIR}")
install(TARGETS orvanto orvanto-cli RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(TARGETS cities cli-qt LIBRARY DESTINATION ${ORVANTO_PRIVATE_LIBDIR})

install(FILES ${packaging}/${ORVANTO_APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${packaging}/${ORVANTO_APP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
foreach(size 16 32 48 64 128 256)
  install(FILES ${packaging}/icons/orvanto-${size}.png
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
          RENAME ${ORVANTO_APP_ID}.png)
endforeach()
install(FILES ${packaging}/icons/orvanto.svg DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps
        RENAME ${ORVANTO_APP_ID}.svg)
install(FILES ${packaging}/completion/orvanto-cli
        DESTINATION ${CMAKE_INSTALL_DATADIR}/bash-completion/completions)

# Manual pages, compressed as Debian installs them.
set(man_pages)
foreach(page orvanto.1 orvanto-cli.1)
  set(compressed ${CMAKE_BINARY_DIR}/man/${page}.gz)
  add_custom_command(OUTPUT ${compressed}
                     COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/man
                     COMMAND gzip -9 -n -c ${packaging}/man/${page} > ${compressed}
                     DEPENDS ${packaging}/man/${page}
                     VERBATIM)
  list(APPEND man_pages ${compressed})
endforeach()
add_custom_target(manual_pages ALL DEPENDS ${man_pages})
install(FILES ${man_pages} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)

# make package: a Debian package whose dependencies come from the shared
# libraries the programs use (dpkg-shlibdeps).
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME orvanto)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "The Orvanto developers <developers@orvanto.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "desktop month calendar with reminders, holidays and moon phases")
set(CPACK_PACKAGE_DESCRIPTION
    "Orvanto shows one month at a time with holidays, bookmarks, reminders and\n\
moon phases, raises reminder alarms from the notification area, and offers\n\
an event list, astronomical data, a biorhythm chart, a city distance\n\
calculator, printed calendars and clock correction. orvanto-cli runs the\n\
same engine in scripts.")
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS_PRIVATE_DIRS ${CMAKE_BINARY_DIR}/bin)
# Qt loads its platform plugins at run time, so shlibdeps cannot see them; the
# fonts are the stand-ins of the faces the windows ask for.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-dejavu-core, fonts-liberation2")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
# Only the installed files, not the test and benchmark programs.
set(CPACK_INSTALL_CMAKE_PROJECTS "${CMAKE_BINARY_DIR};${PROJECT_NAME};Unspecified;/")
include(CPack)

# The install, the validators and the package, checked by one test.
add_test(NAME PackagingInstall
         COMMAND ${PROJECT_SOURCE_DIR}/packaging/tests/install_test.sh ${PROJECT_SOURCE_DIR} ${CMAKE_BINARY_DIR})
