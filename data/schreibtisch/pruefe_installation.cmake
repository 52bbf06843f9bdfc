# Prüft, was cmake --install in ein frisches Präfix legt: den Programmordner, den Eintrag für das
# Menü des Schreibtischs mit dem Pfad des Programms und das Symbol in jeder Größe.
#   cmake -DBAU=<bauordner> -DZIEL=<präfix> [-DPRUEFER=desktop-file-validate] -P <diese Datei>
function(fehler text)
    message(FATAL_ERROR "${text}")
endfunction()

file(REMOVE_RECURSE "${ZIEL}")
execute_process(COMMAND "${CMAKE_COMMAND}" --install "${BAU}" --prefix "${ZIEL}"
    RESULT_VARIABLE ergebnis OUTPUT_QUIET)
if(NOT ergebnis EQUAL 0)
    fehler("cmake --install endete mit ${ergebnis}")
endif()

set(programm "${ZIEL}/Varku/Varku")
if(NOT EXISTS "${programm}" OR IS_DIRECTORY "${programm}")
    fehler("das Programm fehlt: ${programm}")
endif()

set(eintrag "${ZIEL}/share/applications/varku.desktop")
if(NOT EXISTS "${eintrag}")
    fehler("der Eintrag für das Menü fehlt: ${eintrag}")
endif()
# ganz gelesen, nicht als Liste: ";" trennt in CMake Listen
file(READ "${eintrag}" text)
string(PREPEND text "\n")
foreach(erwartet "[Desktop Entry]" "Type=Application" "Name=Varku" "Icon=varku"
        "Exec=\"${programm}\"" "TryExec=${programm}")
    string(FIND "${text}" "\n${erwartet}\n" stelle)
    if(stelle LESS 0)
        fehler("im Eintrag fehlt die Zeile ${erwartet}")
    endif()
endforeach()
if(NOT text MATCHES "\nComment=[^\n]+\n" OR NOT text MATCHES "\nCategories=Education;")
    fehler("der Eintrag braucht Comment und Categories=Education;...")
endif()

foreach(kante 16 32 48 64 128 256)
    set(bild "${ZIEL}/share/icons/hicolor/${kante}x${kante}/apps/varku.png")
    if(NOT EXISTS "${bild}")
        fehler("das Symbol fehlt: ${bild}")
    endif()
    # die Signatur des PNG, dann Breite und Höhe im Kopf IHDR
    file(READ "${bild}" kopf LIMIT 24 HEX)
    string(SUBSTRING "${kopf}" 0 16 signatur)
    string(SUBSTRING "${kopf}" 32 8 breite)
    string(SUBSTRING "${kopf}" 40 8 hoehe)
    math(EXPR breite "0x${breite}")
    math(EXPR hoehe "0x${hoehe}")
    if(NOT signatur STREQUAL "89504e470d0a1a0a" OR NOT breite EQUAL kante
            OR NOT hoehe EQUAL kante)
        fehler("${bild} ist kein PNG von ${kante} x ${kante}")
    endif()
endforeach()

if(PRUEFER)
    execute_process(COMMAND "${PRUEFER}" "${eintrag}" RESULT_VARIABLE ergebnis
        OUTPUT_VARIABLE ausgabe ERROR_VARIABLE ausgabe)
    if(NOT ergebnis EQUAL 0 OR NOT ausgabe STREQUAL "")
        fehler("desktop-file-validate: ${ausgabe}")
    endif()
else()
    message(STATUS "desktop-file-validate fehlt; der Eintrag ist nur gelesen, nicht geprüft")
endif()
file(REMOVE_RECURSE "${ZIEL}")
