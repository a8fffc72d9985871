#!/bin/sh
# Instructions per call of every ifc67_bench case, counted by callgrind, which
# gives the same count on a busy machine as on an idle one. Each case runs N
# and 2N calls; the difference divided by N leaves out start-up and set-up.
#
#   bench/ifc67/instructions.sh [path/to/ifc67_bench] [N]
set -eu
bench=${1:-build/bin/ifc67_bench}
n=${2:-1024}
count() {
  valgrind --tool=callgrind --callgrind-out-file=/dev/null "$bench" --calls "$1" "$2" 2>&1 >/dev/null |
    sed -n 's/.*Collected : *\([0-9]*\).*/\1/p'
}
"$bench" --list | while IFS= read -r name; do
  once=$(count "$name" "$n")
  twice=$(count "$name" $((2 * n)))
  awk -v name="$name" -v a="$once" -v b="$twice" -v n="$n" \
    'BEGIN { printf "%-28s %9.1f instructions/call\n", name, (b - a) / n }'
done
