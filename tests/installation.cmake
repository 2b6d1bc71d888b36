# Installs the build into a scratch prefix and validates what the desktop sees: the
# .desktop file, the AppStream metadata, the icon, the man page and the binary.
#   BUILD    the build folder;  ZIEL   the scratch prefix
file(REMOVE_RECURSE ${ZIEL})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD} --prefix ${ZIEL}
  RESULT_VARIABLE status OUTPUT_QUIET)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "cmake --install: Status ${status}")
endif()
foreach(datei bin/quarvel share/applications/de.quarvel.Quarvel.desktop
        share/metainfo/de.quarvel.Quarvel.metainfo.xml
        share/icons/hicolor/scalable/apps/quarvel.svg share/man/man1/quarvel.1)
  if(NOT EXISTS ${ZIEL}/${datei})
    message(FATAL_ERROR "nicht installiert: ${datei}")
  endif()
endforeach()
foreach(pruefung
    "desktop-file-validate;${ZIEL}/share/applications/de.quarvel.Quarvel.desktop"
    "appstreamcli;validate;--no-net;${ZIEL}/share/metainfo/de.quarvel.Quarvel.metainfo.xml")
  execute_process(COMMAND ${pruefung} RESULT_VARIABLE status OUTPUT_VARIABLE ausgabe
    ERROR_VARIABLE ausgabe)
  if(NOT status EQUAL 0)
    message(FATAL_ERROR "${pruefung}: Status ${status}\n${ausgabe}")
  endif()
endforeach()
