# SPDX-License-Identifier: GPL-3.0-or-later
# Installation as a desktop application and the Debian package made from it.
#   cmake --install <build dir> [--prefix /usr]
#   scripts/package   (the .deb from the release build, checked by lintian)
include(GNUInstallDirs)

# One id names the program everywhere: the desktop entry, the AppStream data, the icon
# and the Wayland app id (main.cpp gives Qt the same).
set(TILORA_APP_ID io.github.tilora.Tilora)
set(TILORA_DESKTOP_DIR ${PROJECT_SOURCE_DIR}/src/resources/desktop)
set(TILORA_ICON_DIR ${PROJECT_SOURCE_DIR}/src/resources/icons)
set(TILORA_PACKAGING_DIR ${PROJECT_SOURCE_DIR}/packaging)
# Games go to /usr/games on Debian; `-DTILORA_INSTALL_GAMESDIR=bin` puts the program with
# the other programs instead (for a prefix such as ~/.local).
set(TILORA_INSTALL_GAMESDIR games CACHE STRING "Folder of the program, relative to the prefix")

# The files that carry the version: the AppStream data and the Debian changelog.
configure_file(${TILORA_DESKTOP_DIR}/${TILORA_APP_ID}.metainfo.xml.in ${PROJECT_BINARY_DIR}/${TILORA_APP_ID}.metainfo.xml
               @ONLY)
configure_file(${TILORA_PACKAGING_DIR}/changelog.in ${PROJECT_BINARY_DIR}/packaging/changelog @ONLY)

# The manual page and the changelog are installed compressed, without a time stamp in the
# gzip header, so that two builds of one source give the same package.
find_program(GZIP gzip REQUIRED)
set(TILORA_MAN_PAGE ${PROJECT_BINARY_DIR}/packaging/tilora.6.gz)
set(TILORA_CHANGELOG ${PROJECT_BINARY_DIR}/packaging/changelog.gz)
add_custom_command(OUTPUT ${TILORA_MAN_PAGE}
                   COMMAND ${GZIP} -9n -c ${TILORA_PACKAGING_DIR}/tilora.6 > ${TILORA_MAN_PAGE}
                   DEPENDS ${TILORA_PACKAGING_DIR}/tilora.6 VERBATIM)
add_custom_command(OUTPUT ${TILORA_CHANGELOG}
                   COMMAND ${GZIP} -9n -c ${PROJECT_BINARY_DIR}/packaging/changelog > ${TILORA_CHANGELOG}
                   DEPENDS ${PROJECT_BINARY_DIR}/packaging/changelog VERBATIM)
add_custom_target(tilora_docs ALL DEPENDS ${TILORA_MAN_PAGE} ${TILORA_CHANGELOG})
add_dependencies(tilora tilora_docs)

# The hint's tables, built and verified once per build folder and installed in the game's
# data folder, so that no player's first hint waits for their build (src/solver/TableFile.h).
# The file lies where the program looks first, ../share/tilora beside it, in the build
# folder as in the installed game: the game started from the build (scripts/play) gives
# its first hint at once too, and the package installs this very file.
set(TILORA_TABLE_FILE ${PROJECT_BINARY_DIR}/src/share/tilora/hint-tables.bin)
add_custom_command(OUTPUT ${TILORA_TABLE_FILE}
                   COMMAND ${CMAKE_COMMAND} -E make_directory ${PROJECT_BINARY_DIR}/src/share/tilora
                   COMMAND tilora_tables ${TILORA_TABLE_FILE}
                   COMMAND tilora_tables --check ${TILORA_TABLE_FILE}
                   DEPENDS tilora_tables VERBATIM)
add_custom_target(tilora_table_file ALL DEPENDS ${TILORA_TABLE_FILE})

# The program finds Qt in the system library folders; no run path is needed.
set_target_properties(tilora PROPERTIES INSTALL_RPATH "")
install(TARGETS tilora RUNTIME DESTINATION ${TILORA_INSTALL_GAMESDIR})
install(FILES ${TILORA_DESKTOP_DIR}/${TILORA_APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${PROJECT_BINARY_DIR}/${TILORA_APP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${TILORA_MAN_PAGE} DESTINATION ${CMAKE_INSTALL_MANDIR}/man6)
install(FILES ${TILORA_TABLE_FILE} DESTINATION ${CMAKE_INSTALL_DATADIR}/tilora)
install(FILES ${TILORA_PACKAGING_DIR}/copyright ${TILORA_CHANGELOG} DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/tilora)

# The icon in the hicolor theme, one image per size, so that menus and docks never scale.
set(TILORA_ICON_SIZES 16 32 48 64 128 256)
set(missing_icons)
foreach(size IN LISTS TILORA_ICON_SIZES)
  set(icon ${TILORA_ICON_DIR}/tilora-${size}.png)
  if(EXISTS ${icon})
    install(FILES ${icon} DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps RENAME ${TILORA_APP_ID}.png)
  else()
    list(APPEND missing_icons tilora-${size}.png)
  endif()
endforeach()
if(missing_icons)
  message(WARNING "Not installed, missing from ${TILORA_ICON_DIR}: ${missing_icons}")
endif()

# The desktop entry and the AppStream data must pass the checkers that desktops and
# software centres run, whenever those checkers are on the machine; and an install must
# put every file where desktops look for it.
if(TILORA_BUILD_TESTS)
  add_test(NAME install_layout
           COMMAND ${CMAKE_COMMAND} -DBUILD_DIR=${PROJECT_BINARY_DIR} -DAPP_ID=${TILORA_APP_ID} -DPREFIX=${PROJECT_BINARY_DIR}/install-check
                   -P ${PROJECT_SOURCE_DIR}/cmake/CheckInstall.cmake)
  # Every source file carries its licence line (scripts/spdx adds missing ones).
  add_test(NAME spdx_licence_lines COMMAND ${PROJECT_SOURCE_DIR}/scripts/spdx --check)
  find_program(DESKTOP_FILE_VALIDATE desktop-file-validate)
  if(DESKTOP_FILE_VALIDATE)
    add_test(NAME desktop_entry_valid COMMAND ${DESKTOP_FILE_VALIDATE} ${TILORA_DESKTOP_DIR}/${TILORA_APP_ID}.desktop)
  endif()
  find_program(APPSTREAMCLI appstreamcli)
  if(APPSTREAMCLI)
    add_test(NAME appstream_metainfo_valid
             COMMAND ${APPSTREAMCLI} validate --no-net ${PROJECT_BINARY_DIR}/${TILORA_APP_ID}.metainfo.xml)
  endif()
endif()

# The Debian package: dpkg-shlibdeps works out the Qt 6 and C++ runtime libraries the
# program links; the condensed DejaVu face is what the dialogs are laid out to fit, Qt's
# own translations give its buttons and file dialogs the player's language, the image
# format plugins read WebP, TIFF, TGA and the other picture files beyond PNG, JPEG and
# GIF, and the Wayland platform plugin lets it run natively on a Wayland desktop.
set(CPACK_PACKAGE_NAME tilora)
set(CPACK_PACKAGE_VENDOR "The Tilora developers")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Sliding-block picture puzzle")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "The Tilora developers <tilora@users.noreply.github.com>")
set(CPACK_PACKAGE_DESCRIPTION "Tilora cuts a picture into a grid of blocks, takes one away and scrambles
the rest; the player slides the blocks back into place against the clock.
Four built-in pictures or any photo or picture file of your own, grids of
4 to 10 blocks a side, difficulty levels, saved games and a table of best
times.")
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-dejavu-extra, qt6-translations-l10n, qt6-image-formats-plugins")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-wayland")
set(CPACK_DEBIAN_PACKAGE_GENERATE_SHLIBS OFF)
include(CPack)
