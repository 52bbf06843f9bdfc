#!/usr/bin/env bash
# Start bis zum ersten gezeichneten Fenster: jedes Programm gegen ein leeres Qt-Hauptfenster mit
# Menüleiste, abwechselnd A B A B auf einem eigenen Xvfb. Gemessen wird von außen (bench/
# erstes_bild): Zeit vom Prozessstart bis zum ersten DAMAGE-Ereignis, Rechenzeit und höchster
# Speicher bis dahin. Gedruckt werden Mediane und der Median der Verhältnisse Paar für Paar.
#
#   bench/start.sh [-b BAUORDNER] [-n LÄUFE] [-f FENSTER] [-k] [PROGRAMM ...]
#
# Ohne PROGRAMM: Varku und jedes gebaute Spiel. -f 2 misst bis zum zweiten gezeichneten Fenster
# (bei Varku das Logo über dem Hintergrund). Das Hintergrundbild legen die Programme nach dem
# ersten Start fertig ab (im Cache-Ordner, hier einem eigenen); -k misst jeden Lauf wie den
# ersten, ohne Ablage. Braucht Xvfb und libxdamage (scripts/abhaengigkeiten.sh) und einen Bau
# mit Benchmarks.
set -euo pipefail

bau=build
laeufe=25
fenster=1
kalt=0
while getopts "b:n:f:kh" opt; do
    case $opt in
    b) bau=$OPTARG ;;
    n) laeufe=$OPTARG ;;
    f) fenster=$OPTARG ;;
    k) kalt=1 ;;
    *)
        sed -n '2,14p' "$0" | sed 's/^# \{0,1\}//'
        exit 2
        ;;
    esac
done
shift $((OPTIND - 1))

waechter=$bau/bench/erstes_bild
leer=$bau/bench/leeres_fenster
ordner=$bau/Varku
for f in "$waechter" "$leer"; do
    if [ ! -x "$f" ]; then
        echo "$f fehlt: erst bauen (cmake --build $bau)" >&2
        exit 2
    fi
done

# Ein Spiel startet nur mit der Zeichenkette des Rahmenprogramms: eine Gruppe, ein Schwerpunkt
# aus Varku.tsp, damit das Spiel sein Hauptfenster zeigt und nicht die Abweisung.
spielparameter() {
    local spalte
    spalte=$(grep -v '^">>>' "$ordner/Varku.tsp" | head -1 | sed 's/.*,//' | tr -d '\r')
    printf '"Version=4;RuvoFeldName=%s;LupenFlag=0;GwsFlag=2;nSpieler=1;Anna;ANNABENC;"' "$spalte"
}

programme=("$@")
if [ ${#programme[@]} -eq 0 ]; then
    for p in Varku Zirkomat Dolmix Wendomar Zelko Kartomin; do
        [ -x "$ordner/$p" ] && programme+=("$p")
    done
fi

source "$(dirname "$0")/eigener_schirm.sh"
source "$(dirname "$0")/auswertung.sh"

# Zelko hängt an die Protokolldatei des Spielers an und startet nur, wenn sie da ist; eine für die
# Messung angelegte geht am Ende wieder
protokoll="$ordner/User/ANNABENC.tmp"
if [ ! -e "$protokoll" ]; then
    mkdir -p "$ordner/User"
    : >"$protokoll"
    trap 'rm -f "$protokoll"; aufraeumen' EXIT
fi

# ein Lauf: "bild_ms=… cpu_ms=… spitze_kib=…" an die Datei
miss() {
    local datei=$1 n=$2
    shift 2
    if [ "$kalt" = 1 ]; then rm -rf "$XDG_CACHE_HOME"; fi
    "$waechter" -n "$n" -t 30 -- "$@" >>"$datei" 2>>"$arbeit/fehler"
}

spalte() { sed -n "s/.*$2=\([0-9.]*\).*/\1/p" "$1"; }

printf '%d Läufe je Programm nach einem Aufwärmlauf, %s bis zum %s gezeichneten Fenster%s\n' \
    "$laeufe" "$(basename "$bau")" "$([ "$fenster" = 1 ] && echo ersten || echo "$fenster.")" \
    "$([ "$kalt" = 1 ] && echo ", jeder wie der erste Start")"
printf '%-18s %9s %9s %11s   %-26s\n' Programm "Bild ms" "CPU ms" "Spitze MiB" \
    "Verhältnis zum leeren Fenster (Bild CPU Spitze)"
for p in "${programme[@]}"; do
    a=("$ordner/$p")
    case $p in
    Varku) ;;
    *) a+=("$(spielparameter)") ;;
    esac
    rm -f "$arbeit/a" "$arbeit/b"
    miss /dev/null 1 "$leer"
    # Aufwärmen mit zwei Sekunden Nachlauf: dann hat das Programm das Hintergrundbild abgelegt
    # (beim ersten Bild beendet, käme es nie dazu, und jeder Lauf wäre ein erster Start)
    "$waechter" -n "$fenster" -t 30 -w 2000 -- "${a[@]}" >/dev/null 2>>"$arbeit/fehler"
    for _ in $(seq "$laeufe"); do
        miss "$arbeit/b" 1 "$leer"
        miss "$arbeit/a" "$fenster" "${a[@]}"
    done
    if [ "$(wc -l <"$arbeit/a")" -ne "$laeufe" ] || [ "$(wc -l <"$arbeit/b")" -ne "$laeufe" ]; then
        echo "$p: nicht jeder Lauf kam zum Bild:" >&2
        sort "$arbeit/fehler" | uniq -c >&2
        continue
    fi
    zeile() {
        local d=$1
        printf '%9.1f %9.1f %11.1f' "$(spalte "$d" bild_ms | median)" \
            "$(spalte "$d" cpu_ms | median)" \
            "$(spalte "$d" spitze_kib | median | awk '{ print $1 / 1024 }')"
    }
    verhaeltnis() { median_der_verhaeltnisse <(spalte "$arbeit/a" "$1") <(spalte "$arbeit/b" "$1"); }
    printf '%-18s %s\n' "leeres Fenster" "$(zeile "$arbeit/b")"
    printf '%-18s %s   %5.2fx %5.2fx %5.2fx\n' "$p" "$(zeile "$arbeit/a")" \
        "$(verhaeltnis bild_ms)" "$(verhaeltnis cpu_ms)" "$(verhaeltnis spitze_kib)"
done
