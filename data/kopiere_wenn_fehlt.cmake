# Legt eine Datei in den Programmordner, wenn sie dort noch nicht liegt; was die Programme
# geschrieben haben, bleibt.
if(NOT EXISTS "${ZIEL}")
    file(COPY_FILE "${QUELLE}" "${ZIEL}")
endif()
