# SPDX-License-Identifier: GPL-3.0-or-later
# Installing Tablor as a desktop game, and its Debian package.
#
#   bin/tablor                      the launcher: makes the player's folder
#                                   ($XDG_DATA_HOME/tablor) current and starts the game
#   bin/tablor-engine               the engine tool
#                                   (both in games/ instead under /usr and /usr/local)
#   libexec/tablor/tablor           the game itself
#   share/tablor/                   Documentation.htm and the five default sounds,
#                                   copied by the launcher into the player's folder
#   share/tablor/weights/expert.tnw the Expert's networks, read where they are installed
#   share/tablor/translations/      the translations (tablor_LANG.qm), which the game
#                                   also carries built in; where software centres find them
#   share/applications/io.github.tablor.Tablor.desktop, share/metainfo/io.github.tablor.Tablor.metainfo.xml,
#   share/icons/hicolor/scalable/apps/io.github.tablor.Tablor.svg and
#   share/icons/hicolor/NxN/apps/io.github.tablor.Tablor.png (16 to 512)
#   share/man/man6/tablor.6.gz, tablor-engine.6.gz   the manual pages
#   share/doc/tablor/copyright      the licence (GPL-3.0-or-later) and where everything shipped comes from
#   share/doc/tablor/changelog.gz   the releases, in Debian's changelog format
include(GNUInstallDirs)

# Debian's policy puts the programs of a game in /usr/games (a local
# install's in /usr/local/games), both on Debian's default PATH; an install
# elsewhere, such as ~/.local, keeps them in bin/. The folder is chosen when
# installing, because the prefix is known only then (cpack installs into /usr).
# games/ and bin/ are as deep, so the launcher's paths hold for both.
install(CODE "
  if(CMAKE_INSTALL_PREFIX MATCHES \"^/usr(/local)?/?$\")
    set(TABLOR_PROGRAMS_DIR games)
  else()
    set(TABLOR_PROGRAMS_DIR ${CMAKE_INSTALL_BINDIR})
  endif()")

set(TABLOR_GAME_DIR ${CMAKE_INSTALL_LIBEXECDIR}/tablor)
set(TABLOR_DATA_DIR ${CMAKE_INSTALL_DATADIR}/tablor)

install(TARGETS tablor-engine RUNTIME DESTINATION \${TABLOR_PROGRAMS_DIR})

if(TARGET tablor)
  install(TARGETS tablor RUNTIME DESTINATION ${TABLOR_GAME_DIR})
endif()

# The launcher finds the game and the data from its own folder, so the same
# script serves `cmake --install --prefix`, staged installs and the package.
file(RELATIVE_PATH TABLOR_GAME_REL ${CMAKE_INSTALL_FULL_BINDIR} ${CMAKE_INSTALL_FULL_LIBEXECDIR}/tablor/tablor)
file(RELATIVE_PATH TABLOR_DATA_REL ${CMAKE_INSTALL_FULL_BINDIR} ${CMAKE_INSTALL_FULL_DATADIR}/tablor)
configure_file(${PROJECT_SOURCE_DIR}/packaging/tablor-launcher.sh ${PROJECT_BINARY_DIR}/packaging/tablor @ONLY)
install(PROGRAMS ${PROJECT_BINARY_DIR}/packaging/tablor DESTINATION \${TABLOR_PROGRAMS_DIR})

file(GLOB TABLOR_SOUNDS CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/res/sounds/*.wav)
install(FILES ${PROJECT_SOURCE_DIR}/Documentation.htm ${TABLOR_SOUNDS} DESTINATION ${TABLOR_DATA_DIR})
# In a folder of its own, which the launcher does not copy: a new version's
# weights are used as soon as they are installed.
if(EXISTS ${PROJECT_SOURCE_DIR}/res/expert.tnw)
  install(FILES ${PROJECT_SOURCE_DIR}/res/expert.tnw DESTINATION ${TABLOR_DATA_DIR}/weights)
endif()

if(TABLOR_QM_FILES)
  install(FILES ${TABLOR_QM_FILES} DESTINATION ${TABLOR_DATA_DIR}/translations)
endif()

# The desktop entry, the icon and the AppStream data carry the application's id.
install(FILES ${PROJECT_SOURCE_DIR}/packaging/io.github.tablor.Tablor.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${PROJECT_SOURCE_DIR}/packaging/io.github.tablor.Tablor.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${PROJECT_SOURCE_DIR}/res/tablor.svg DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps
        RENAME io.github.tablor.Tablor.svg)
if(TARGET icons)
  install(DIRECTORY ${PROJECT_BINARY_DIR}/icons/hicolor DESTINATION ${CMAKE_INSTALL_DATADIR}/icons)
endif()
install(FILES ${PROJECT_SOURCE_DIR}/packaging/copyright DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/tablor)

# The manual pages, compressed as Debian wants them (gzip -9, no name or time
# stamp in the file, so that the package is the same at every build).
find_program(TABLOR_GZIP gzip REQUIRED)
set(TABLOR_MAN_PAGES)
foreach(page tablor.6 tablor-engine.6)
  add_custom_command(
    OUTPUT ${PROJECT_BINARY_DIR}/man/${page}.gz
    COMMAND ${CMAKE_COMMAND} -E make_directory ${PROJECT_BINARY_DIR}/man
    COMMAND ${TABLOR_GZIP} -9 -n -c ${PROJECT_SOURCE_DIR}/packaging/man/${page} > ${PROJECT_BINARY_DIR}/man/${page}.gz
    DEPENDS ${PROJECT_SOURCE_DIR}/packaging/man/${page}
    COMMENT "Compressing the manual page ${page}")
  list(APPEND TABLOR_MAN_PAGES ${PROJECT_BINARY_DIR}/man/${page}.gz)
endforeach()
# The releases, in Debian's changelog format: a native package has it as
# share/doc/tablor/changelog.gz, compressed in the same way.
add_custom_command(
  OUTPUT ${PROJECT_BINARY_DIR}/packaging/changelog.gz
  COMMAND ${CMAKE_COMMAND} -E make_directory ${PROJECT_BINARY_DIR}/packaging
  COMMAND ${TABLOR_GZIP} -9 -n -c ${PROJECT_SOURCE_DIR}/packaging/changelog > ${PROJECT_BINARY_DIR}/packaging/changelog.gz
  DEPENDS ${PROJECT_SOURCE_DIR}/packaging/changelog
  COMMENT "Compressing the changelog")
add_custom_target(manpages ALL DEPENDS ${TABLOR_MAN_PAGES} ${PROJECT_BINARY_DIR}/packaging/changelog.gz)
install(FILES ${TABLOR_MAN_PAGES} DESTINATION ${CMAKE_INSTALL_MANDIR}/man6)
install(FILES ${PROJECT_BINARY_DIR}/packaging/changelog.gz DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/tablor)

# `make run` starts the game built here; without the game it falls back to self-play.
if(TARGET tablor)
  file(GENERATE OUTPUT ${PROJECT_BINARY_DIR}/tablor-game-path.txt CONTENT "$<TARGET_FILE:tablor>\n")
else()
  file(REMOVE ${PROJECT_BINARY_DIR}/tablor-game-path.txt)
endif()

# The Debian package: `cpack -G DEB` in the build folder (`make deb`).
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tablor)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Tablor developers")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "backgammon against the computer")
# The project has no public mail address yet: the default is one under the
# reserved top-level domain .invalid, which reaches nobody; a packager gives
# their own with -DTABLOR_DEB_MAINTAINER="Name <address>".
set(TABLOR_DEB_MAINTAINER "Tablor developers <tablor@tablor.invalid>"
    CACHE STRING "Maintainer field of the Debian package")
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${TABLOR_DEB_MAINTAINER}")
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "Tablor is a desktop backgammon game: one player against the computer.\n\
It animates every move, enforces the rules in full (the bar, bearing off,\n\
both dice, the doubling cube), plays at four levels (the best of them a\n\
neural network), keeps the score from run to run, and shows the\n\
statistics of each game with a graph.")
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
# The Qt 6 and SDL2 libraries come from the binaries' own needs; the window
# also needs Qt's platform plugins, which libqt6gui6 only recommends.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
if(TARGET tablor)
  set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins")
  # Qt's own translations give the buttons of its message boxes and the file
  # and colour dialogs in the player's language.
  set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "xdg-utils, qt6-translations-l10n")
endif()
set(CPACK_STRIP_FILES ON)
include(CPack)
