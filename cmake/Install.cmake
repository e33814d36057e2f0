# SPDX-License-Identifier: GPL-3.0-or-later
# Installing Tablor as a desktop game, and its Debian package.
#
#   bin/tablor                      the launcher: makes the player's folder
#                                   ($XDG_DATA_HOME/tablor) current and starts the game
#   bin/tablor-engine               the engine tool
#   libexec/tablor/tablor           the game itself
#   share/tablor/                   Documentation.htm and the five default sounds,
#                                   copied by the launcher into the player's folder
#   share/tablor/weights/expert.tnw the Expert's networks, read where they are installed
#   share/applications/tablor.desktop, share/metainfo/io.github.tablor.Tablor.metainfo.xml,
#   share/icons/hicolor/scalable/apps/tablor.svg
#   share/doc/tablor/copyright      the licence (GPL-3.0-or-later) and where everything shipped comes from
include(GNUInstallDirs)

set(TABLOR_GAME_DIR ${CMAKE_INSTALL_LIBEXECDIR}/tablor)
set(TABLOR_DATA_DIR ${CMAKE_INSTALL_DATADIR}/tablor)

install(TARGETS tablor-engine RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})

if(TARGET tablor)
  install(TARGETS tablor RUNTIME DESTINATION ${TABLOR_GAME_DIR})
endif()

# The launcher finds the game and the data from its own folder, so the same
# script serves `cmake --install --prefix`, staged installs and the package.
file(RELATIVE_PATH TABLOR_GAME_REL ${CMAKE_INSTALL_FULL_BINDIR} ${CMAKE_INSTALL_FULL_LIBEXECDIR}/tablor/tablor)
file(RELATIVE_PATH TABLOR_DATA_REL ${CMAKE_INSTALL_FULL_BINDIR} ${CMAKE_INSTALL_FULL_DATADIR}/tablor)
configure_file(${PROJECT_SOURCE_DIR}/packaging/tablor-launcher.sh ${PROJECT_BINARY_DIR}/packaging/tablor @ONLY)
install(PROGRAMS ${PROJECT_BINARY_DIR}/packaging/tablor DESTINATION ${CMAKE_INSTALL_BINDIR})

file(GLOB TABLOR_SOUNDS CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/res/sounds/*.wav)
install(FILES ${PROJECT_SOURCE_DIR}/Documentation.htm ${TABLOR_SOUNDS} DESTINATION ${TABLOR_DATA_DIR})
# In a folder of its own, which the launcher does not copy: a new version's
# weights are used as soon as they are installed.
if(EXISTS ${PROJECT_SOURCE_DIR}/res/expert.tnw)
  install(FILES ${PROJECT_SOURCE_DIR}/res/expert.tnw DESTINATION ${TABLOR_DATA_DIR}/weights)
endif()

install(FILES ${PROJECT_SOURCE_DIR}/packaging/tablor.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${PROJECT_SOURCE_DIR}/packaging/io.github.tablor.Tablor.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${PROJECT_SOURCE_DIR}/res/tablor.svg DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
install(FILES ${PROJECT_SOURCE_DIR}/packaging/copyright DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/tablor)

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
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "Tablor developers" CACHE STRING "Maintainer field of the Debian package")
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "Tablor is a desktop backgammon game: one player against the computer.\n\
It animates every move, enforces the rules in full (the bar, bearing off,\n\
both dice, the doubling cube), plays at three levels, keeps the score\n\
from run to run, and shows the statistics of each game with a graph.")
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
# The Qt 6 and SDL2 libraries come from the binaries' own needs; the window
# also needs Qt's platform plugins, which libqt6gui6 only recommends.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
if(TARGET tablor)
  set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins")
  set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "xdg-utils")
endif()
set(CPACK_STRIP_FILES ON)
include(CPack)
