# Für die Messskripte (mit "source" geladen): die Auswertung, die alle gleich rechnen.

# der Median der Zahlen auf der Standardeingabe, eine je Zeile
median() { sort -g | awk '{ w[NR] = $1 } END { print (NR % 2) ? w[(NR + 1) / 2] : (w[NR / 2] + w[NR / 2 + 1]) / 2 }'; }

# Die Verhältnisse Paar für Paar (Zeile um Zeile der beiden Dateien), davon der Median: so stört
# es nicht, wenn der Rechner zwischendurch langsamer wird.
#   median_der_verhaeltnisse ZAEHLER NENNER
median_der_verhaeltnisse() { paste "$1" "$2" | awk '{ print $1 / $2 }' | median; }

# Median, kleinster und größter Wert der Zahlen in $1, eine je Zeile, als eine Tabellenzeile
zeile() { printf '%8.1f %8.1f %8.1f' "$(echo "$1" | median)" "$(echo "$1" | sort -g | head -1)" \
    "$(echo "$1" | sort -g | tail -1)"; }
