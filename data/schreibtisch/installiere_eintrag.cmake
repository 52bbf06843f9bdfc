# Beim Installieren: der Eintrag für das Menü des Schreibtischs, mit dem Pfad des Programms
# unter dem Präfix, das erst cmake --install kennt. Gerufen mit VARKU_EINTRAG_VORLAGE.
set(programm "${CMAKE_INSTALL_PREFIX}/Varku/Varku")
# Exec: in Anführungszeichen, darin \ " ` $ mit \ davor, und jedes \ des Werts noch einmal
# verdoppelt; % ist %%
string(REPLACE "\\" "\\\\" exec "${programm}")
string(REPLACE "\"" "\\\"" exec "${exec}")
string(REPLACE "`" "\\`" exec "${exec}")
string(REPLACE "$" "\\$" exec "${exec}")
string(REPLACE "\\" "\\\\" exec "${exec}")
string(REPLACE "%" "%%" exec "${exec}")
set(EXEC "\"${exec}\"")
string(REPLACE "\\" "\\\\" TRYEXEC "${programm}")
set(ziel "$ENV{DESTDIR}${CMAKE_INSTALL_PREFIX}/share/applications/varku.desktop")
configure_file("${VARKU_EINTRAG_VORLAGE}" "${ziel}" @ONLY)
message(STATUS "Installing: ${ziel}")
