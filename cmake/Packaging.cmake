# Installation into a GNU prefix and the Debian package (cpack -G DEB).
include(GNUInstallDirs)

# Debian's games policy puts games in /usr/games and their data in /usr/share/games (package.sh).
option(TK_DEBIAN_GAMES_LAYOUT "Install into games/ and share/games/tamvelkviz, as Debian's games policy asks" OFF)
if(TK_DEBIAN_GAMES_LAYOUT)
  set(TK_BIN_DEST games)
  set(TK_DATA_DEST share/games/tamvelkviz)
else()
  set(TK_BIN_DEST ${CMAKE_INSTALL_BINDIR})
  set(TK_DATA_DEST ${CMAKE_INSTALL_DATADIR}/tamvelkviz)
  # The game finds its data at <exe dir>/../share/tamvelkviz, so the two folders must stay siblings.
  if(NOT CMAKE_INSTALL_BINDIR STREQUAL "bin" OR NOT CMAKE_INSTALL_DATADIR STREQUAL "share")
    message(WARNING "TamvelKviz looks for its data in ../share/tamvelkviz beside the executable; "
                    "with BINDIR=${CMAKE_INSTALL_BINDIR} and DATADIR=${CMAKE_INSTALL_DATADIR} it will not find it.")
  endif()
endif()
get_filename_component(TK_PACKAGING_DIR ${CMAKE_CURRENT_LIST_DIR}/../packaging ABSOLUTE)

install(TARGETS tamvelkviz RUNTIME DESTINATION ${TK_BIN_DEST})
if(TARGET tamvelkviz-check)
  install(TARGETS tamvelkviz-check RUNTIME DESTINATION ${TK_BIN_DEST})
endif()

# The data is made at build time, so it comes from the build's program folder. Only the known kinds of files
# are taken: a game started from the build folder leaves its settings (n.dat) and language marker there.
install(FILES ${TK_PROGRAM_DIR}/q.dat DESTINATION ${TK_DATA_DEST})
# The shipped question sets by name: a set a developer tried out in the build folder stays there.
install(FILES ${TK_PROGRAM_DIR}/questions/space.dat DESTINATION ${TK_DATA_DEST}/questions)
install(DIRECTORY ${TK_PROGRAM_DIR}/help DESTINATION ${TK_DATA_DEST} FILES_MATCHING PATTERN "*.html")
if(TARGET tk_artgen)
  install(DIRECTORY ${TK_PROGRAM_DIR}/graphics DESTINATION ${TK_DATA_DEST}
          FILES_MATCHING PATTERN "*.png" PATTERN "*.jpg")
  foreach(size 16 32 48 64 128 256)
    install(FILES ${CMAKE_BINARY_DIR}/builtin/icon${size}.png
            DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps RENAME tamvelkviz.png)
  endforeach()
  install(FILES ${CMAKE_BINARY_DIR}/builtin/icon.svg DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps
          RENAME tamvelkviz.svg)
else()
  message(WARNING "The picture generator is not built: the installed game will lack its pictures and icon.")
endif()
if(TARGET tk_soundgen)
  # Only the files the build makes: a program folder may still hold music of an older build.
  foreach(sound ${TK_SOUNDS})
    get_filename_component(sub ${sound} DIRECTORY)
    install(FILES ${TK_PROGRAM_DIR}/Sound/${sound} DESTINATION ${TK_DATA_DEST}/Sound/${sub})
  endforeach()
else()
  message(WARNING "The sound generator is not built: the installed game will be silent.")
endif()

install(FILES ${TK_PACKAGING_DIR}/tamvelkviz.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${TK_PACKAGING_DIR}/io.github.tamvelkviz.TamvelKviz.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
# Debian keeps these under the package's name, whatever the project is called.
set(TK_DOC_DEST ${CMAKE_INSTALL_DATAROOTDIR}/doc/tamvelkviz)
install(FILES ${TK_PACKAGING_DIR}/copyright DESTINATION ${TK_DOC_DEST})

# Debian wants the changelog and manual pages compressed, without a name or time stamp so builds are reproducible.
set(tk_gzipped)
function(tk_install_gzipped source destination)
  get_filename_component(name ${source} NAME)
  set(out ${CMAKE_BINARY_DIR}/packaging/${name}.gz)
  add_custom_command(OUTPUT ${out}
                     COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/packaging
                     COMMAND gzip -9nc ${source} > ${out}
                     DEPENDS ${source} VERBATIM)
  install(FILES ${out} DESTINATION ${destination})
  set(tk_gzipped ${tk_gzipped} ${out} PARENT_SCOPE)
endfunction()
tk_install_gzipped(${TK_PACKAGING_DIR}/changelog ${TK_DOC_DEST})
tk_install_gzipped(${TK_PACKAGING_DIR}/tamvelkviz.6 ${CMAKE_INSTALL_MANDIR}/man6)
if(TARGET tamvelkviz-check)
  tk_install_gzipped(${TK_PACKAGING_DIR}/tamvelkviz-check.1 ${CMAKE_INSTALL_MANDIR}/man1)
endif()
add_custom_target(tk_packaging_docs ALL DEPENDS ${tk_gzipped})

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tamvelkviz)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "TamvelKvíz developers")
set(CPACK_PACKAGE_CONTACT "TamvelKvíz developers <tamvelkviz@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "quiz game for two players on a triangle board")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "TamvelKvíz developers <tamvelkviz@example.org>")
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# xz packs the sound effects, the questions and the program far tighter than gzip.
set(CPACK_DEBIAN_COMPRESSION_TYPE xz)
# CPack puts the summary above this text and indents it as Debian wants.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "TamvelKvíz is a quiz game for two players who share one mouse. Choose a
cell of the triangle board, answer its question and the cell is yours.
The first player whose connected group of cells touches all three sides
of the triangle wins.

The game speaks Czech and English. The package also holds
tamvelkviz-check, which checks a question file before the game uses it.")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Loaded at run time, so shlibdeps cannot see them: the window font, and the GStreamer elements behind the
# Qt Multimedia backend (WAV parsing, conversion, audio output). The xcb platform plugin and the JPEG
# image plugin ship in libqt6gui6 and the multimedia backends in libqt6multimedia6 on Debian 12; shlibdeps
# already adds both because the game links their libraries.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-dejavu-core, gstreamer1.0-plugins-base, gstreamer1.0-plugins-good")
set(TK_INSTALLED_DATA_DIR ${CPACK_PACKAGING_INSTALL_PREFIX}/${TK_DATA_DEST})
configure_file(${TK_PACKAGING_DIR}/postrm.in ${CMAKE_BINARY_DIR}/packaging/postrm @ONLY)
set(CPACK_DEBIAN_PACKAGE_CONTROL_EXTRA ${CMAKE_BINARY_DIR}/packaging/postrm)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)

include(CPack)
