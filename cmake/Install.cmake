# Installation as a desktop application and the Debian package made from it.
#   cmake --install <build dir> [--prefix /usr]
#   cpack -G DEB   (in the build folder of a release build)
include(GNUInstallDirs)

set(TILORA_APP_ID io.github.tilora.Tilora)
set(TILORA_DESKTOP_DIR ${PROJECT_SOURCE_DIR}/src/resources/desktop)
set(TILORA_ICON_DIR ${PROJECT_SOURCE_DIR}/src/resources/icons)

# The program finds Qt in the system library folders; no run path is needed.
set_target_properties(tilora PROPERTIES INSTALL_RPATH "")
install(TARGETS tilora RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${TILORA_DESKTOP_DIR}/tilora.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${TILORA_DESKTOP_DIR}/${TILORA_APP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

# The icon in the hicolor theme, one image per size, so that menus and docks never scale.
set(TILORA_ICON_SIZES 16 32 48 64 128 256)
set(missing_icons)
foreach(size IN LISTS TILORA_ICON_SIZES)
  set(icon ${TILORA_ICON_DIR}/tilora-${size}.png)
  if(EXISTS ${icon})
    install(FILES ${icon} DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps RENAME tilora.png)
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
           COMMAND ${CMAKE_COMMAND} -DBUILD_DIR=${PROJECT_BINARY_DIR} -DPREFIX=${PROJECT_BINARY_DIR}/install-check
                   -P ${PROJECT_SOURCE_DIR}/cmake/CheckInstall.cmake)
  find_program(DESKTOP_FILE_VALIDATE desktop-file-validate)
  if(DESKTOP_FILE_VALIDATE)
    add_test(NAME desktop_entry_valid COMMAND ${DESKTOP_FILE_VALIDATE} ${TILORA_DESKTOP_DIR}/tilora.desktop)
  endif()
  find_program(APPSTREAMCLI appstreamcli)
  if(APPSTREAMCLI)
    add_test(NAME appstream_metainfo_valid
             COMMAND ${APPSTREAMCLI} validate --no-net ${TILORA_DESKTOP_DIR}/${TILORA_APP_ID}.metainfo.xml)
  endif()
endif()

# The Debian package: dpkg-shlibdeps works out the Qt 6 and C++ runtime libraries the
# program links; the condensed DejaVu face is what the dialogs are laid out to fit, and
# the Wayland platform plugin lets it run natively on a Wayland desktop; the image format
# plugins read WebP, TIFF, TGA and the other picture files beyond PNG, JPEG and GIF.
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
Four built-in pictures or any bitmap file, grids of 4 to 10 blocks a side,
difficulty levels, saved games and a table of best times.")
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-dejavu-extra, qt6-image-formats-plugins")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-wayland")
set(CPACK_DEBIAN_PACKAGE_GENERATE_SHLIBS OFF)
include(CPack)
