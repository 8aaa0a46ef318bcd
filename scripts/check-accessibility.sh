#!/bin/bash
# Starts the built program under Xvfb with accessibility on, on a private session bus, opens
# each editor window through the accessibility tree and lists the focusable controls without a
# name (scripts/accessible_names.py), in English and in Chinese. Needs a built tree
# (scripts/run.sh or scripts/test.sh); installs python3-pyatspi, dbus and Xvfb when missing.
set -euo pipefail
cd "$(dirname "$0")/.."

need=()
for pkg in python3-pyatspi at-spi2-core dbus xvfb; do
    dpkg -s "$pkg" >/dev/null 2>&1 || need+=("$pkg")
done
if ((${#need[@]})); then
    apt-get update -qq && DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "${need[@]}"
fi

tree=""
for candidate in build/dist build-asan/dist; do
    [[ -x "$candidate/ZU_418/mv52" ]] && tree="$candidate" && break
done
[[ -n "$tree" ]] || { echo "no built program: run scripts/run.sh or scripts/test.sh first" >&2; exit 2; }

# A copy of the tree, so the real settings file keeps its language.
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp -r "$tree" "$work/dist"

status=0
for lang in en zh; do
    stored=1; [[ $lang == zh ]] && stored=2
    printf '[language]\r\nIsFirstRun=0\r\ncomPort=1\r\nCurrentLanguage=%s\r\n' "$stored" > "$work/dist/language/mysetup.ini"
    display=":$((90 + RANDOM % 9))"
    Xvfb "$display" -screen 0 1280x900x24 >/dev/null 2>&1 &
    xvfb=$!
    sleep 1
    DISPLAY="$display" QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_ACCESSIBILITY=1 NO_AT_BRIDGE=0 \
        dbus-run-session -- bash -c '
            "$1/dist/ZU_418/mv52" >/dev/null 2>&1 &
            program=$!
            /usr/bin/python3 scripts/accessible_names.py "$2"
            result=$?
            kill $program 2>/dev/null; wait $program 2>/dev/null
            exit $result' _ "$work" "$lang" || status=1
    kill "$xvfb" 2>/dev/null || true
    wait "$xvfb" 2>/dev/null || true
done
exit $status
