#!/usr/bin/env bash
# The bash completion of plm1, driven as bash drives it: what it offers after each kind of word, the ports
# from "plm1 ports" after --port, and that plm1 knows every command and option it offers.
# Usage: vervollstaendigung.sh COMPLETION_FILE PLM1
set -uo pipefail
datei=$1
plm1=$2
[ -f /usr/share/bash-completion/bash_completion ] && . /usr/share/bash-completion/bash_completion
. "$datei"
fehler=0
arbeit=$(mktemp -d)
trap 'rm -rf "$arbeit"' EXIT

# Completes the last word of the given words; the result in COMPREPLY, one per line, sorted.
angebot() {
    COMP_WORDS=("$@")
    COMP_CWORD=$((${#COMP_WORDS[@]} - 1))
    COMP_LINE="${COMP_WORDS[*]}"
    COMP_POINT=${#COMP_LINE}
    COMPREPLY=()
    _plm1 "${COMP_WORDS[0]}" "${COMP_WORDS[COMP_CWORD]}" "${COMP_WORDS[COMP_CWORD - 1]}"
    printf '%s\n' "${COMPREPLY[@]}" | sort
}

erwarte() { # expected (lines, sorted) and the words
    local erwartet=$1
    shift
    local ist
    ist=$(angebot "$@")
    if [ "$ist" != "$(printf '%s\n' $erwartet | sort)" ]; then
        echo "FEHLER bei '$*': erwartet [$erwartet], angeboten [$(echo $ist)]"
        fehler=1
    fi
}

befehle='ports id scan get set start pause stop read-mem write-mem keys cycle monitor'
erwarte "$befehle" plm1 ''
erwarte "$befehle" plm1 --port 3 --address 1 ''
erwarte 'scan set start stop' plm1 --trace log.txt s
erwarte '--port' plm1 --po
erwarte '--valves --version' plm1 --port 2 --v
erwarte 'istspannung isttemperatur istdruck1 istdruck2' plm1 get ist
erwarte 'ventil1 ventil10 ventil11 ventil12 ventil13 ventil14 ventil15 ventil16' plm1 set ventil1
erwarte 'drucklow1 drucklow2' plm1 --address 2 set druckl
erwarte '' plm1 set pumpe1 ''
erwarte 'upload download' plm1 keys ''
erwarte '--force' plm1 keys download --
erwarte '--verify' plm1 cycle upload --
erwarte '--interval --count --out' plm1 monitor --
erwarte '1 2 3 4 5 6 7 8 9 a b c d e f &' plm1 --address ''

# Files of the kind the command takes (and folders to go into).
mkdir -p "$arbeit/teil"
touch "$arbeit/z.plk" "$arbeit/t.plt" "$arbeit/v.plc" "$arbeit/notiz.txt"
(
    cd "$arbeit" || exit 1
    erwarte 'teil z.plk' plm1 cycle download ''
    erwarte 'teil t.plt' plm1 keys upload --verify ''
    erwarte 'teil v.plc' plm1 --valves ''
) || fehler=1

# --port: what "plm1 ports" lists (name and stable path), then COM 1 to 8; the plm1 asked is the one typed.
cat >"$arbeit/plm1" <<'SKRIPT'
#!/bin/sh
[ "$1" = ports ] && printf 'ttyUSB0\t/dev/serial/by-id/usb-FTDI_A1\tFT232R USB UART\t0403:6001\nttyS0\tttyS0\t-\t-\n'
SKRIPT
chmod +x "$arbeit/plm1"
erwarte 'ttyUSB0 /dev/serial/by-id/usb-FTDI_A1 ttyS0 1 2 3 4 5 6 7 8' "$arbeit/plm1" --port ''
erwarte 'ttyUSB0 ttyS0' "$arbeit/plm1" --port tty

# plm1 knows every command and option offered.
for b in $(angebot plm1 ''); do
    antwort=$(timeout 20 "$plm1" --port "$arbeit/kein-geraet" "$b" 2>&1 </dev/null)
    if [[ $antwort == *"unbekannter Befehl"* ]]; then
        echo "FEHLER: plm1 kennt den angebotenen Befehl $b nicht"
        fehler=1
    fi
done
for o in $(angebot plm1 --); do # an unknown command after it: plm1 stops before it opens any port
    antwort=$(timeout 20 "$plm1" "$o" "$arbeit/wert" frobnicate 2>&1 </dev/null)
    if [[ $antwort == *"unbekannte Option"* ]]; then
        echo "FEHLER: plm1 kennt die angebotene Option $o nicht"
        fehler=1
    fi
done
exit $fehler
