#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Instructions per call of every case of a benchmark program (if97_bench,
# ifc67_bench, compute_bench), counted by callgrind, which gives the same
# count on a busy machine as on an idle one. Each case runs N and 2N calls; the difference
# divided by N leaves out start-up and set-up.
#
#   bench/instructions.sh build/bin/if97_bench [N]
#   bench/instructions.sh build/bin/ifc67_bench [N]
#   bench/instructions.sh build/bin/compute_bench [N]   (N presses of Compute)
set -eu
bench=${1:?usage: bench/instructions.sh path/to/bench [N]}
n=${2:-2000}
count() {
  valgrind --tool=callgrind --callgrind-out-file=/dev/null "$bench" --calls "$1" "$2" 2>&1 >/dev/null |
    sed -n 's/.*Collected : *\([0-9]*\).*/\1/p'
}
"$bench" --list | while IFS= read -r name; do
  once=$(count "$name" "$n")
  twice=$(count "$name" $((2 * n)))
  awk -v name="$name" -v a="$once" -v b="$twice" -v n="$n" \
    'BEGIN { printf "%-36s %9.1f instructions/call\n", name, (b - a) / n }'
done
