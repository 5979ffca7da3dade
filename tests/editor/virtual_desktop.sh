# Sourced by the tests that run the built editor as a person would: a
# virtual display of its own with the openbox window manager, a work folder
# that goes when the test ends, and a way to wait for what the program does.
#
#   . virtual_desktop.sh FIRST_DISPLAY LAST_DISPLAY [TOOL...]
#   start_desktop           starts Xvfb and openbox; DISPLAY names them
#   pids+=(PID)             processes stopped when the test ends
#   until_true TENTHS CMD   waits for CMD to succeed, TENTHS tenths at most
#   $work                   the work folder

# The test suite runs with the offscreen platform; the program must show
# its windows on the virtual display.
unset QT_QPA_PLATFORM

for tool in Xvfb openbox xdotool "${@:3}"; do
  command -v "$tool" >/dev/null || { echo "needs $tool (scripts/setup installs it)"; exit 1; }
done

display=""
for n in $(seq "$1" "$2"); do
  [ -e "/tmp/.X$n-lock" ] || { display=":$n"; break; }
done
[ -n "$display" ] || { echo "no free display"; exit 1; }

work=$(mktemp -d)
pids=()
cleanup() {
  for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null; done
  wait 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT

until_true() {
  local tenths=$1; shift
  for _ in $(seq "$tenths"); do
    "$@" && return 0
    sleep 0.1
  done
  return 1
}

start_desktop() {
  Xvfb "$display" -screen 0 1280x800x24 -nolisten tcp >/dev/null 2>&1 &
  pids+=($!)
  until_true 100 test -S "/tmp/.X11-unix/X${display#:}" || { echo "Xvfb did not start"; exit 1; }
  export DISPLAY=$display
  openbox >/dev/null 2>&1 &
  pids+=($!)
  # The window manager must own the screen before the editor maps a window.
  sleep 0.5
}
