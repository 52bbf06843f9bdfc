# Für die Messskripte (mit "source" geladen): ein eigener X-Server, damit nichts anderes auf dem
# Bildschirm mitzeichnet, und eigene Ordner für Ablage und Laufzeit, damit die Messung den Cache
# des Benutzers nicht anrührt. Setzt arbeit (ein Arbeitsordner) und kinder (Prozesse, die am Ende
# beendet werden); mit_tondienst=1 beendet am Ende auch den eigenen Tondienst.

kinder=()
arbeit=$(mktemp -d)
aufraeumen() {
    for p in "${kinder[@]}"; do kill "$p" 2>/dev/null || true; done
    if [ "${mit_tondienst:-0}" = 1 ]; then pulseaudio --kill 2>/dev/null || true; fi
    rm -rf "$arbeit"
}
trap aufraeumen EXIT

nummer=40
while [ -e /tmp/.X11-unix/X$nummer ] || [ -e /tmp/.X$nummer-lock ]; do
    nummer=$((nummer + 1))
done
Xvfb :$nummer -screen 0 1600x1000x24 -nolisten tcp >/dev/null 2>&1 &
kinder+=($!)
for _ in $(seq 100); do
    [ -e /tmp/.X11-unix/X$nummer ] && break
    sleep 0.05
done
export DISPLAY=:$nummer QT_QPA_PLATFORM=xcb
export XDG_CACHE_HOME=$arbeit/ablage XDG_RUNTIME_DIR=$arbeit/laufzeit
mkdir -p "$XDG_RUNTIME_DIR"
chmod 700 "$XDG_RUNTIME_DIR"

# Ein Programmordner für die Läufe: Programme und Einstellungen kopiert, Daten verlinkt, ein
# leerer Ordner User
#   eigener_programmordner QUELLE ZIEL
eigener_programmordner() {
    mkdir -p "$2/User"
    local f name
    for f in "$1"/*; do
        name=$(basename "$f")
        case $name in
        User) ;;
        Grafik | Sound | Sprache | *.sqlite) ln -s "$f" "$2/$name" ;;
        *) cp -r "$f" "$2/$name" ;;
        esac
    done
}
