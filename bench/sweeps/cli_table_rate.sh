#!/bin/sh
# Rows per second of `hydrelix-cli table` writing CSV to /dev/null: a
# saturation table of 100,000 temperatures and a grid of 1000 pressures by
# 1000 temperatures (1,001,000 rows), at one and two jobs, wall and CPU time.
#
#   bench/sweeps/cli_table_rate.sh build/bin/hydrelix-cli
set -eu
cli=${1:?usage: bench/sweeps/cli_table_rate.sh path/to/hydrelix-cli}
run() {
  rows=$1
  shift
  for jobs in 1 2; do
    /usr/bin/time -f "%e %U %S" -o /tmp/cli_table_rate.$$ "$cli" table "$@" --jobs "$jobs" >/dev/null 2>&1 || true
    # The last line: a run with refused rows puts its exit status first.
    read -r wall user system <<EOT
$(tail -n 1 /tmp/cli_table_rate.$$)
EOT
    awk -v name="$1 $2" -v jobs="$jobs" -v rows="$rows" -v wall="$wall" -v cpu="$user $system" \
      'BEGIN { split(cpu, c, " "); printf "%-28s jobs %d: %8.0f rows/s wall, %6.2f us CPU/row\n", name, jobs, rows / wall, (c[1] + c[2]) * 1e6 / rows }'
  done
  rm -f /tmp/cli_table_rate.$$
}
run 100000 saturation --T 0.01:373.9:0.003739 --units si
run 1001000 grid --p 0.05:50:0.05MPa --T 1:1000:1C --units si
