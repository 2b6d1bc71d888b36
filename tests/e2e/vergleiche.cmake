# Runs one command script and compares what it prints with the expected lines.
#   SKRIPT   path of the .skript file; NAME.erwartet beside it holds the expected stdout,
#            NAME.status (optional) the expected exit status (default 0), NAME.fehler
#            (optional) the expected stderr.
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
