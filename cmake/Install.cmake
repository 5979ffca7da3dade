# cmake --install lays out the program as a desktop user expects it:
#
#   <prefix>/share/wendle/          the program folder: wendle, wendle-cli
#                                   (and wendle-cli-draw.so and
#                                   wendle-cli-render.so, which it loads,
#                                   with qt-plugins/ beside it),
#                                   the templates, "Button Images", "Sounds",
#                                   "Wendle Help.html", "Samples.html", "Samples"
#   <prefix>/bin/wendle, wendle-cli links to the programs in that folder, so
#                                   they find their folder through the link
#   <prefix>/share/applications/    the menu entry, which opens .wdf documents
#   <prefix>/share/mime/packages/   the .wdf document type
#   <prefix>/share/icons/hicolor/   the program's and the documents' icons
#
# An installed program folder is not writable for its users; the program
# then keeps its working folders in each user's data folder.
include(GNUInstallDirs)

set(WENDLE_INSTALL_FOLDER ${CMAKE_INSTALL_DATADIR}/wendle)
set(program ${WENDLE_PROGRAM_DIR})
set(icons ${CMAKE_BINARY_DIR}/resources/icons)

install(TARGETS wendle wendle-cli RUNTIME DESTINATION ${WENDLE_INSTALL_FOLDER})
install(TARGETS wendle-cli-draw wendle-cli-render LIBRARY DESTINATION ${WENDLE_INSTALL_FOLDER})
# Beside the drawing module, a link to the system's offscreen platform plugin
# (see cli/CMakeLists.txt).
install(CODE "
  set(folder \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${WENDLE_INSTALL_FOLDER}/qt-plugins/platforms\")
  file(MAKE_DIRECTORY \"\${folder}\")
  set(link \"\${folder}/$<TARGET_FILE_NAME:Qt6::QOffscreenIntegrationPlugin>\")
  file(REMOVE \"\${link}\")
  file(CREATE_LINK \"$<TARGET_FILE:Qt6::QOffscreenIntegrationPlugin>\" \"\${link}\" SYMBOLIC)
  list(APPEND CMAKE_INSTALL_MANIFEST_FILES \"\${link}\")
")
install(DIRECTORY "${program}/Button Images" "${program}/Sounds" "${program}/Samples"
        DESTINATION ${WENDLE_INSTALL_FOLDER})
install(FILES "${program}/Wendle Help.html" "${program}/Samples.html" "${program}/Wendle.png"
        DESTINATION ${WENDLE_INSTALL_FOLDER})

# The templates name their pictures and sounds relative to the program
# folder, so the very files of the build serve every installed copy.
foreach(number One Two Three Four Five Six Seven Eight Nine Ten)
  install(FILES "${program}/Toolbar ${number}.wdf" DESTINATION ${WENDLE_INSTALL_FOLDER})
endforeach()

# The launchers on the PATH: relative links, so the tree can be moved.
foreach(name wendle wendle-cli)
  file(RELATIVE_PATH target /root/${CMAKE_INSTALL_BINDIR} /root/${WENDLE_INSTALL_FOLDER}/${name})
  install(CODE "
    set(link \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}/${name}\")
    message(STATUS \"Installing: \${link} -> ${target}\")
    file(MAKE_DIRECTORY \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}\")
    file(REMOVE \"\${link}\")
    file(CREATE_LINK \"${target}\" \"\${link}\" SYMBOLIC)
    list(APPEND CMAKE_INSTALL_MANIFEST_FILES \"\${link}\")
  ")
endforeach()

install(FILES ${PROJECT_SOURCE_DIR}/packaging/wendle.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${PROJECT_SOURCE_DIR}/packaging/wendle-mime.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages RENAME wendle.xml)
foreach(side 16 24 32 48 64 128 256)
  set(folder ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${side}x${side})
  install(FILES ${icons}/wendle-${side}.png DESTINATION ${folder}/apps RENAME wendle.png)
  install(FILES ${icons}/document-${side}.png DESTINATION ${folder}/mimetypes
          RENAME application-x-wendle-document.png)
endforeach()

# Straight into a live prefix (no DESTDIR, as a package build would use),
# the desktop learns about the new type, entry and icons at once.
install(CODE "
  if(\"\$ENV{DESTDIR}\" STREQUAL \"\")
    set(share \"\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_DATADIR}\")
    find_program(update_mime update-mime-database)
    find_program(update_desktop update-desktop-database)
    find_program(update_icons gtk-update-icon-cache)
    if(update_mime)
      execute_process(COMMAND \"\${update_mime}\" \"\${share}/mime\" OUTPUT_QUIET ERROR_QUIET)
    endif()
    if(update_desktop)
      execute_process(COMMAND \"\${update_desktop}\" \"\${share}/applications\" OUTPUT_QUIET ERROR_QUIET)
    endif()
    if(update_icons)
      execute_process(COMMAND \"\${update_icons}\" -q -t \"\${share}/icons/hicolor\" OUTPUT_QUIET ERROR_QUIET)
    endif()
  endif()
")
