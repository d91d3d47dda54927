#!/usr/bin/env bash
# Kills a limit-restoration run (mode 9 over five entries, each confirmed) with SIGKILL at random moments and
# checks that the file it leaves is never torn: absent (every entry confirmed), or the entries not yet
# confirmed, numbered from 0001, in their order, each whole.
#   mata_restabelece.sh CB_TILL [TIMES]
set -u
till=$1
vezes=${2:-20}
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
arquivo="$dir/RestabeleceLimite.ini"
codigos=(23797150000000150750001234567890123456789012 82660000000874500150000123456789012345678901
    84890000001299001190000555444333222111000999 23790000000000000000000000000000000000000004
    23790000000000000000000000000000000000000005)

# The file each run starts from, written here before the till starts: only the module writes it during a run.
inicial() {
    printf '[RESTABELECELIMITE]\nQuantidade=5\n'
    for n in 1 2 3 4 5; do
        printf '[000%d]\nRede=805\nSequencial=0%d\nValor=%d00\nFormadeEntrada=0\nCodigodeBarras=%s\nDataFiscal=01022026\n' \
            "$n" "$n" "$n" "${codigos[n - 1]}"
    done
}
# The bank answers each restoration 40 ms late, so that the kills fall between confirmations too.
cat >"$dir/roteiro.json" <<FIM
{"descricao": "five restorations", "servidor": {"falhas": {"atrasoMs": 40}},
 "chamadas": [{"entrada": "ExecutaFuncaoADM", "modo": 9,
               "passos": [], "resultado": {"1009": "00"}, "arquivosFinais": {"RestabeleceLimite.ini": null}}]}
FIM

# The file is whole: Quantidade = k and sections 0001..k holding the last k entries, in order (the till's
# preset writes "key=value", the module "key = value").
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

inicial >"$arquivo"
inicio=$(date +%s%N)
CB_HOST_DIR="$dir" "$till" --script "$dir/roteiro.json" --quiet >/dev/null 2>&1 || { echo "the run fails on its own"; exit 1; }
duracaoMs=$((($(date +%s%N) - inicio) / 1000000))

torn=0
parciais=0
for ((i = 0; i < vezes; i++)); do
    inicial >"$arquivo"
    CB_HOST_DIR="$dir" "$till" --script "$dir/roteiro.json" --quiet >/dev/null 2>&1 &
    pid=$!
    atraso=$((RANDOM % (duracaoMs + 1)))
    sleep "$((atraso / 1000)).$(printf '%03d' $((atraso % 1000)))"
    kill -9 "$pid" 2>/dev/null
    wait "$pid" 2>/dev/null
    [ -e "$arquivo" ] || continue
    if integro; then
        parciais=$((parciais + 1))
    else
        torn=$((torn + 1))
        echo "kill $i left a torn file:"
        cat "$arquivo"
    fi
done
echo "$vezes kills: $torn torn files, $parciais with entries left"
[ "$torn" -eq 0 ] && [ "$parciais" -gt 0 ]
