# Runs the binary with command lines that must not open a window and checks the exit
# status and the first line printed (stdout, else stderr).
#   QUARVEL   the binary;  ARBEIT   a scratch folder
cmake_policy(SET CMP0007 NEW)
file(REMOVE_RECURSE ${ARBEIT})
file(MAKE_DIRECTORY ${ARBEIT})
string(REPEAT "x" 1100000 lang)
file(WRITE ${ARBEIT}/lang.skript "${lang}\nzeige rahmen\n")
file(WRITE ${ARBEIT}/export.skript "printB ${ARBEIT}/voll.png\n")
file(CREATE_LINK /dev/full ${ARBEIT}/voll.png SYMBOLIC)

# Each case: name | expected status | expected start of the first line | the arguments
# separated by "," (the environment has no display).
set(faelle
  "version|0|Quarvel |--version"
  "hilfe|0|Aufruf: quarvel|--help"
  "unbekannt|2|quarvel: Unbekannte Option „--fenster“.|--fenster"
  "seed negativ|2|quarvel: Der Startwert „-1“|--skript,-,--seed,-1"
  "seed zu gross|2|quarvel: Der Startwert „4294967296“|--seed,4294967296"
  "skript ohne datei|2|quarvel: Nach „--skript“ fehlt|--skript"
  "ohne anzeige|1|quarvel: Keine grafische Anzeige gefunden|"
  "skript ordner|1|fehler: Das Skript „${ARBEIT}“ ist ein Ordner|--skript,${ARBEIT}"
  "skript fehlt|1|fehler: Das Skript „${ARBEIT}/nichts“ lässt sich nicht lesen|--skript,${ARBEIT}/nichts"
  "endlose zeile|1|fehler: Zeile 1: Nullzeichen gelesen|--skript,/dev/zero"
  "lange zeile|1|rahmen=[-4,4,-4,4]|--skript,${ARBEIT}/lang.skript"
  "export auf geraet|1|fehler: Zeile 1: Die Grafik wurde nicht als|--skript,${ARBEIT}/export.skript")

set(ENV{DISPLAY} "")
set(ENV{WAYLAND_DISPLAY} "")
set(ENV{QT_QPA_PLATFORM} "")
set(fehlschlaege "")
foreach(fall ${faelle})
  string(REPLACE "|" ";" teile "${fall}")
  list(GET teile 0 name)
  list(GET teile 1 erwarteter_status)
  list(GET teile 2 erwarteter_anfang)
  set(argumente "")
  list(LENGTH teile anzahl)
  if(anzahl GREATER 3)
    list(GET teile 3 argumente)
    string(REPLACE "," ";" argumente "${argumente}")
  endif()
  execute_process(COMMAND ${QUARVEL} ${argumente}
    OUTPUT_VARIABLE ausgabe ERROR_VARIABLE fehler RESULT_VARIABLE status TIMEOUT 20)
  set(text "${ausgabe}")
  if(text STREQUAL "")
    set(text "${fehler}")
  endif()
  string(FIND "${text}" "\n" zeilenende)
  string(SUBSTRING "${text}" 0 ${zeilenende} erste_zeile)
  string(FIND "${erste_zeile}" "${erwarteter_anfang}" stelle)
  if(NOT status STREQUAL erwarteter_status OR NOT stelle EQUAL 0)
    string(APPEND fehlschlaege "\n${name}: Status ${status} (erwartet ${erwarteter_status}), "
                               "erste Zeile „${erste_zeile}“ (erwartet „${erwarteter_anfang}…“)")
  endif()
endforeach()
if(EXISTS ${ARBEIT}/lang.skript.png OR NOT IS_SYMLINK ${ARBEIT}/voll.png)
  string(APPEND fehlschlaege "\nein fehlgeschlagener Export hat etwas hinterlassen")
endif()
if(fehlschlaege)
  message(FATAL_ERROR "${fehlschlaege}")
endif()
