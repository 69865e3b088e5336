#!/usr/bin/env bash
# tools/run exactly as the README gives it: on a virtual X server with a
# window manager it starts the program, whose main window "Mervane" is mapped;
# a user closes it with Alt+F4 and the command ends with status 0. Without a
# display it says so in one line and fails.
#   test_run.sh
set -euo pipefail
cd "$(dirname "$0")/../.."
for tool in Xvfb openbox xdotool; do
    command -v $tool >/dev/null || { echo "missing $tool: skipped"; exit 77; }
done

if [ -z "${MERVANE_RUN_DISPLAY:-}" ]; then
    out="$(env -u DISPLAY -u WAYLAND_DISPLAY tools/run 2>&1)" && { echo "tools/run without a display exited 0"; exit 1; }
    last="$(tail -n 1 <<<"$out")"
    [[ "$last" == "Mervane needs a graphical desktop, and no display could be opened: DISPLAY is not set." ]] ||
        { echo "tools/run without a display ended with: $last"; exit 1; }
    grep -q 'could not connect to display\|Aborted' <<<"$out" && { echo "the toolkit's own abort showed: $out"; exit 1; }
    # The rest on a display with a window manager, as a desktop has.
    exec env MERVANE_RUN_DISPLAY=1 tools/with-display --own --wm "$0"
fi

tools/run >/dev/null 2>&1 &
run=$!
trap 'kill $run 2>/dev/null || true' EXIT
main="$(timeout 60 xdotool search --sync --onlyvisible --name '^Mervane$' | head -n 1)" ||
    { echo "the main window was not mapped"; exit 1; }
xdotool windowactivate --sync "$main" key alt+F4
status=0
timeout 20 tail --pid=$run -f /dev/null || { echo "tools/run did not end after the window was closed"; exit 1; }
wait $run || status=$?
[ $status -eq 0 ] || { echo "tools/run ended with status $status"; exit 1; }
echo "tools/run started Mervane and ended with status 0 when it was closed"
