# Runs one command script and compares what it prints with the expected lines.
#   SKRIPT   path of the .skript file; NAME.erwartet beside it holds the expected stdout,
#            NAME.status (optional) the expected exit status (default 0), NAME.fehler
#            (optional) the expected stderr, NAME.bilder (optional) lines "DATEI BREITE HOEHE"
#            for PNG files the script writes.
get_filename_component(verzeichnis ${SKRIPT} DIRECTORY)
get_filename_component(name ${SKRIPT} NAME_WE)
set(seed 1)
execute_process(
  COMMAND ${QUARVEL} --skript ${SKRIPT} --seed ${seed}
  OUTPUT_VARIABLE ausgabe
  ERROR_VARIABLE fehler
  RESULT_VARIABLE status
  TIMEOUT 60)
set(erwarteter_status 0)
if(EXISTS ${verzeichnis}/${name}.status)
  file(STRINGS ${verzeichnis}/${name}.status erwarteter_status LIMIT_COUNT 1)
endif()
file(READ ${verzeichnis}/${name}.erwartet erwartet)
if(NOT ausgabe STREQUAL erwartet)
  file(WRITE ${CMAKE_CURRENT_BINARY_DIR}/${name}.tatsaechlich "${ausgabe}")
  execute_process(COMMAND diff -u ${verzeichnis}/${name}.erwartet
                          ${CMAKE_CURRENT_BINARY_DIR}/${name}.tatsaechlich)
  message(FATAL_ERROR "${name}: Ausgabe weicht ab (stderr: ${fehler})")
endif()
if(EXISTS ${verzeichnis}/${name}.fehler)
  file(READ ${verzeichnis}/${name}.fehler erwartete_fehler)
  if(NOT fehler STREQUAL erwartete_fehler)
    message(FATAL_ERROR "${name}: Fehlerausgabe weicht ab:\n${fehler}")
  endif()
endif()
if(NOT status STREQUAL erwarteter_status)
  message(FATAL_ERROR "${name}: Status ${status}, erwartet ${erwarteter_status} (stderr: ${fehler})")
endif()
# The pixel size of each PNG the script wrote, read from its header (IHDR: width and
# height as big-endian words at bytes 16 and 20).
if(EXISTS ${verzeichnis}/${name}.bilder)
  file(STRINGS ${verzeichnis}/${name}.bilder bilder)
  foreach(zeile ${bilder})
    separate_arguments(teile UNIX_COMMAND "${zeile}")
    list(GET teile 0 datei)
    list(GET teile 1 breite)
    list(GET teile 2 hoehe)
    if(NOT EXISTS ${datei})
      message(FATAL_ERROR "${name}: ${datei} wurde nicht geschrieben")
    endif()
    file(READ ${datei} kopf OFFSET 16 LIMIT 8 HEX)
    string(SUBSTRING ${kopf} 0 8 b)
    string(SUBSTRING ${kopf} 8 8 h)
    math(EXPR b "0x${b}")
    math(EXPR h "0x${h}")
    if(NOT b EQUAL breite OR NOT h EQUAL hoehe)
      message(FATAL_ERROR "${name}: ${datei} ist ${b} x ${h}, erwartet ${breite} x ${hoehe}")
    endif()
  endforeach()
endif()
