#!/usr/bin/env bash
# Kills a till run that writes the limit-restoration file with SIGKILL, many times, and checks that the file
# it leaves is never torn. Two runs write it:
#   mata.sh limite CB_TILL SCRIPT [TIMES]: a five-document payment, killed half of the times at a random moment
#     and half of the times the instant the file shows up; the file is absent (the script deletes it first) or
#     names all five documents.
#   mata.sh restabelece CB_TILL [TIMES]: a restoration run (mode 9 over five entries, each confirmed), killed at
#     random moments; the file is absent (every entry confirmed) or holds the entries not yet confirmed,
#     numbered from 0001, in their order, each whole.
set -u
modo=$1
till=$2
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
arquivo="$dir/RestabeleceLimite.ini"

if [ "$modo" = limite ]; then
    script=$3
    vezes=${4:-30}
    prepara() { rm -f "$arquivo"; }
    integro() {
        grep -q '^Quantidade = 5' "$arquivo" || return 1
        local n
        for n in 1 2 3 4 5; do
            grep -q "^\[000$n\]" "$arquivo" || return 1
        done
        [ "$(grep -c '^CodigodeBarras = ' "$arquivo")" -eq 5 ]
    }
else
    script="$dir/roteiro.json"
    vezes=${3:-20}
    codigos=(23797150000000150750001234567890123456789012 82660000000874500150000123456789012345678901
        84890000001299001190000555444333222111000999 23790000000000000000000000000000000000000004
        23790000000000000000000000000000000000000005)
    # The file each run starts from, written here before the till starts: only the module writes it during
    # a run.
    prepara() {
        printf '[RESTABELECELIMITE]\nQuantidade=5\n' >"$arquivo"
        for n in 1 2 3 4 5; do
            printf '[000%d]\nRede=805\nSequencial=0%d\nValor=%d00\nFormadeEntrada=0\nCodigodeBarras=%s\nDataFiscal=01022026\n' \
                "$n" "$n" "$n" "${codigos[n - 1]}" >>"$arquivo"
        done
    }
    # The bank answers each restoration 40 ms late, so that the kills fall between confirmations too.
    cat >"$script" <<FIM
{"descricao": "five restorations", "servidor": {"falhas": {"atrasoMs": 40}},
 "chamadas": [{"entrada": "ExecutaFuncaoADM", "modo": 9,
               "passos": [], "resultado": {"1009": "00"}, "arquivosFinais": {"RestabeleceLimite.ini": null}}]}
FIM
    # Quantidade = k and sections 0001..k holding the last k entries, in order (the till's preset writes
    # "key=value", the module "key = value").
    integro() {
        local k
        sed -i 's/ = /=/' "$arquivo"
        k=$(sed -n 's/^Quantidade=\([0-9]*\)$/\1/p' "$arquivo")
        [ -n "$k" ] && [ "$k" -ge 1 ] && [ "$k" -le 5 ] || return 1
        [ "$(grep -c '^\[' "$arquivo")" -eq $((k + 1)) ] || return 1
        local esperado n
        esperado=$(for ((n = 5 - k; n < 5; n++)); do echo "CodigodeBarras=${codigos[n]}"; done)
        [ "$(grep '^CodigodeBarras=' "$arquivo")" = "$esperado" ] || return 1
        [ "$(grep -c '^DataFiscal=01022026$' "$arquivo")" -eq "$k" ]
    }
fi

# One whole run first: how long it takes here. A whole payment leaves the complete file; a whole restoration
# leaves none, which its script checks.
prepara
inicio=$(date +%s%N)
CB_HOST_DIR="$dir" "$till" --script "$script" --quiet >/dev/null 2>&1 || { echo "the run fails on its own"; exit 1; }
duracaoMs=$((($(date +%s%N) - inicio) / 1000000))
[ "$modo" != limite ] || integro || { echo "a whole run left no complete file"; exit 1; }

torn=0
inteiros=0
for ((i = 0; i < vezes; i++)); do
    prepara
    CB_HOST_DIR="$dir" "$till" --script "$script" --quiet >/dev/null 2>&1 &
    pid=$!
    if [ "$modo" = limite ] && ((i % 2)); then
        while kill -0 "$pid" 2>/dev/null && [ ! -e "$arquivo" ]; do :; done
    else
        atraso=$((RANDOM % (duracaoMs + 1)))
        sleep "$((atraso / 1000)).$(printf '%03d' $((atraso % 1000)))"
    fi
    kill -9 "$pid" 2>/dev/null
    wait "$pid" 2>/dev/null
    [ -e "$arquivo" ] || continue
    if integro; then
        inteiros=$((inteiros + 1))
    else
        torn=$((torn + 1))
        echo "kill $i left a torn file:"
        cat "$arquivo"
    fi
done
echo "$vezes kills: $torn torn files, $inteiros whole, $((vezes - torn - inteiros)) without a file"
# A run of kills that never found a whole file proves nothing: the instant kills find the payment's file every
# time it appears, the random ones find the restoration's entries left.
[ "$torn" -eq 0 ] && [ "$inteiros" -gt 0 ]
