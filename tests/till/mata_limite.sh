#!/usr/bin/env bash
# Kills a five-document payment with SIGKILL, half of the times at a random moment of the run and half of the
# times the instant the limit-restoration file shows up, and checks that the file is never partial: either
# absent (the script deletes it first) or naming all five documents.
#   mata_limite.sh CB_TILL SCRIPT [TIMES]
set -u
till=$1
script=$2
vezes=${3:-30}
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
arquivo="$dir/RestabeleceLimite.ini"

completo() {
    grep -q '^Quantidade = 5' "$arquivo" || return 1
    local n
    for n in 1 2 3 4 5; do
        grep -q "^\[000$n\]" "$arquivo" || return 1
    done
    [ "$(grep -c '^CodigodeBarras = ' "$arquivo")" -eq 5 ]
}

# One whole run first: how long the payment takes here, and that it does leave the complete file.
inicio=$(date +%s%N)
CB_HOST_DIR="$dir" "$till" --script "$script" --quiet >/dev/null 2>&1 || { echo "the script fails on its own"; exit 1; }
duracaoMs=$((($(date +%s%N) - inicio) / 1000000))
completo || { echo "a whole run left no complete file"; exit 1; }

parciais=0
completos=0
for ((i = 0; i < vezes; i++)); do
    rm -f "$arquivo"
    CB_HOST_DIR="$dir" "$till" --script "$script" --quiet >/dev/null 2>&1 &
    pid=$!
    if ((i % 2)); then
        while kill -0 "$pid" 2>/dev/null && [ ! -e "$arquivo" ]; do :; done
    else
        atraso=$((RANDOM % (duracaoMs + 1)))
        sleep "$((atraso / 1000)).$(printf '%03d' $((atraso % 1000)))"
    fi
    kill -9 "$pid" 2>/dev/null
    wait "$pid" 2>/dev/null
    [ -e "$arquivo" ] || continue
    if completo; then
        completos=$((completos + 1))
    else
        parciais=$((parciais + 1))
        echo "kill $i left a partial file:"
        cat "$arquivo"
    fi
done
echo "$vezes kills: $parciais partial files, $completos complete, $((vezes - parciais - completos)) without a file"
# The instant kills find the file every time it appears: a run that never saw one proves nothing.
[ "$parciais" -eq 0 ] && [ "$completos" -gt 0 ]
