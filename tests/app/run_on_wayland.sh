#!/bin/sh
# Runs a test program on a Wayland compositor of its own: a headless Weston
# on a private socket, in a temporary runtime directory, stopped at the end.
#   run_on_wayland.sh QT_PLUGIN_DIR TEST_PROGRAM [ARGUMENTS...]
# Without weston or Qt's Wayland platform plugin it prints SKIPPED and
# succeeds (CTest marks the test skipped).
set -u
plugins=$1
shift
if ! command -v weston >/dev/null 2>&1; then
    echo "SKIPPED: weston is not installed"
    exit 0
fi
if [ ! -e "$plugins/platforms/libqwayland-generic.so" ]; then
    echo "SKIPPED: Qt's Wayland platform plugin (qt6-wayland) is not installed"
    exit 0
fi

runtime=$(mktemp -d)
chmod 700 "$runtime"
socket="plumeno-test-$$"
XDG_RUNTIME_DIR="$runtime" weston --backend=headless-backend.so --no-config --socket="$socket" >"$runtime/weston.log" 2>&1 &
weston_pid=$!
trap 'kill "$weston_pid" 2>/dev/null; wait "$weston_pid" 2>/dev/null; rm -rf "$runtime"' EXIT

tries=0
while [ ! -S "$runtime/$socket" ]; do
    tries=$((tries + 1))
    if [ "$tries" -gt 100 ] || ! kill -0 "$weston_pid" 2>/dev/null; then
        echo "weston did not start:"
        cat "$runtime/weston.log"
        exit 1
    fi
    sleep 0.1
done

# A headless Weston has no seat, and Qt 6.4's Wayland input method then
# crashes on the first text field; the tests type by key events anyway.
XDG_RUNTIME_DIR="$runtime" WAYLAND_DISPLAY="$socket" QT_QPA_PLATFORM=wayland QT_IM_MODULE=none "$@"
