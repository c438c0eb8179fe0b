#!/usr/bin/env bash
# Starts a headless weston on a socket and runtime folder of its own, runs the window test on Qt's
# wayland platform against it, then starts the program itself to read the application ID that its
# window gives the compositor. Exits 77 (skipped) when weston or Qt's wayland plugin is missing,
# or fails saying which when CI=true.
# Usage: run_on_weston.sh <Qt platform plugin folder> <window test> <program> <application ID>
set -euo pipefail
plugin_dir=$1 window_test=$2 program=$3 app_id=$4

skip() {
    if [[ "${CI:-}" == true ]]; then
        echo "FAILED (CI=true): $*"
        exit 1
    fi
    echo "SKIPPED: $*"
    exit 77
}
command -v weston >/dev/null || skip "weston is not installed."
[[ -e "$plugin_dir/libqwayland-generic.so" ]] ||
    skip "Qt's wayland platform plugin (qt6-wayland) is not in $plugin_dir."

# weston refuses a runtime folder that others can read; Qt must not fall back to X11.
runtime_dir=$(mktemp -d)
chmod 0700 "$runtime_dir"
export XDG_RUNTIME_DIR="$runtime_dir"
unset DISPLAY
socket="amp-test-$$"
weston --backend=headless-backend.so --socket="$socket" --no-config --idle-time=0 \
    >"$runtime_dir/weston.log" 2>&1 &
weston_pid=$!
program_pid=""
cleanup() {
    [[ -n "$program_pid" ]] && kill "$program_pid" 2>/dev/null
    kill "$weston_pid" 2>/dev/null
    wait 2>/dev/null
    rm -rf "$runtime_dir"
}
trap cleanup EXIT

for _ in $(seq 100); do
    [[ -S "$runtime_dir/$socket" ]] && break
    kill -0 "$weston_pid" 2>/dev/null || break
    sleep 0.1
done
if [[ ! -S "$runtime_dir/$socket" ]]; then
    echo "weston did not open its socket:"
    cat "$runtime_dir/weston.log"
    exit 1
fi
export WAYLAND_DISPLAY="$socket" QT_QPA_PLATFORM=wayland

"$window_test"

# The compositor matches windows to the menu entry, and its icon, by this ID.
WAYLAND_DEBUG=client "$program" 2>"$runtime_dir/program.log" &
program_pid=$!
expected="set_app_id(\"$app_id\")"
for _ in $(seq 100); do
    grep -qF "$expected" "$runtime_dir/program.log" && break
    kill -0 "$program_pid" 2>/dev/null || break
    sleep 0.1
done
if ! grep -qF "$expected" "$runtime_dir/program.log"; then
    echo "The program's window did not give the compositor the ID $app_id:"
    grep -F set_app_id "$runtime_dir/program.log" || tail -n 20 "$runtime_dir/program.log"
    exit 1
fi
echo "The program's window carries the ID $app_id."
