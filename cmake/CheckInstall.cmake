# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the build in BUILD_DIR into a scratch PREFIX and checks that every file a
# desktop needs is where desktops look for it. Run by ctest as `install_layout`.
file(REMOVE_RECURSE ${PREFIX})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${PREFIX}
                RESULT_VARIABLE result OUTPUT_QUIET)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "cmake --install failed: ${result}")
endif()
set(expected
  games/tilora
  share/applications/${APP_ID}.desktop
  share/metainfo/${APP_ID}.metainfo.xml
  share/man/man6/tilora.6.gz
  share/tilora/hint-tables.bin
  share/doc/tilora/copyright
  share/doc/tilora/changelog.gz)
foreach(size 16 32 48 64 128 256)
  list(APPEND expected share/icons/hicolor/${size}x${size}/apps/${APP_ID}.png)
endforeach()
foreach(path IN LISTS expected)
  if(NOT EXISTS ${PREFIX}/${path})
    message(FATAL_ERROR "not installed: ${path}")
  endif()
endforeach()
# The one id ties the files together: the entry names the icon, the AppStream data the
# entry; X11's WM_CLASS of the window is the program's name, which the entry expects.
file(READ ${PREFIX}/share/applications/${APP_ID}.desktop entry)
file(READ ${PREFIX}/share/metainfo/${APP_ID}.metainfo.xml metainfo)
foreach(rule "entry|\nIcon=${APP_ID}\n" "entry|\nStartupWMClass=tilora\n"
             "metainfo|<launchable type=\"desktop-id\">${APP_ID}.desktop</launchable>"
             "metainfo|<icon type=\"stock\">${APP_ID}</icon>")
  string(REPLACE "|" ";" rule "${rule}")
  list(GET rule 0 file)
  list(GET rule 1 text)
  string(FIND "${${file}}" "${text}" at)
  if(at EQUAL -1)
    message(FATAL_ERROR "the installed ${file} lacks: ${text}")
  endif()
endforeach()
file(GLOB_RECURSE old_names ${PREFIX}/share/applications/tilora.desktop ${PREFIX}/share/icons/tilora.png)
if(old_names)
  message(FATAL_ERROR "installed under the old name: ${old_names}")
endif()
# Compressed documentation is gzip without a stored name or time stamp (gzip -n), so that
# two builds of one source give the same files.
foreach(path IN LISTS expected)
  if(path MATCHES "\\.gz$")
    file(READ ${PREFIX}/${path} header LIMIT 8 HEX)
    if(NOT header STREQUAL "1f8b080000000000")
      message(FATAL_ERROR "not gzip -n: ${path} (header ${header})")
    endif()
  endif()
endforeach()
message(STATUS "installed: ${expected}")
