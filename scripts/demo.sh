#!/usr/bin/env bash
# Runs the program against the simulated radio: starts mv52-radio-sim on a pseudo-terminal,
# enters that device in section "ports" of language/mysetup.ini under a free COM number,
# makes it the chosen port ("comPort"), starts the desktop program and stops the radio when
# the program ends. `scripts/run.sh --demo` builds first and then calls this.
# Usage: scripts/demo.sh DIST [program arguments]   (DIST: the installation tree, build/dist)
set -euo pipefail
source "$(dirname "$0")/ini.sh"

dist=${1:?usage: scripts/demo.sh DIST [program arguments]}
shift
programs=$dist/ZU_418
settings=$dist/language/mysetup.ini
[[ -x $programs/mv52-radio-sim ]] || { echo "demo: $programs/mv52-radio-sim is missing; build first" >&2; exit 1; }

# Globals, for the exit trap.
sim_pid=
sim_out=$(mktemp)
stop_radio() {
    if [[ -n $sim_pid ]]; then
        kill -TERM "$sim_pid" 2>/dev/null || true
        wait "$sim_pid" 2>/dev/null || true
    fi
    rm -f "$sim_out"
}
trap stop_radio EXIT
trap 'exit 130' INT
trap 'exit 143' TERM

"$programs/mv52-radio-sim" >"$sim_out" &
sim_pid=$!

# The device path is the simulator's first line; wait for the whole line.
pty=
for _ in $(seq 100); do
    if [[ $(wc -l <"$sim_out") -ge 1 ]]; then
        IFS= read -r pty <"$sim_out"
        break
    fi
    kill -0 "$sim_pid" 2>/dev/null || break
    sleep 0.05
done
[[ -n $pty ]] || { echo "demo: the simulated radio did not start" >&2; exit 1; }

port=$(ini_enter_pty "$settings" "$pty") || { echo "demo: cannot enter $pty in $settings" >&2; exit 1; }
echo "demo: the simulated radio answers on $pty, entered as COM$port in $settings"

if [[ -x $programs/mv52 ]]; then
    status=0
    "$programs/mv52" "$@" || status=$?
    exit "$status"
fi

cat <<TEXT
demo: the desktop program is not built yet; try the command line against the radio:
    $programs/mv52ctl read --port COM$port radio.dat
    $programs/mv52ctl show radio.dat
    $programs/mv52ctl write --port COM$port radio.dat
Press Enter to stop the simulated radio.
TEXT
read -r _ || true
