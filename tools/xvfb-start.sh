# Sourced by the scripts that need a display and have none: starts Xvfb on a free-looking
# display number, exports DISPLAY, waits until it answers and stops it when the script exits.
# Usage: . tools/xvfb-start.sh <width>x<height>
_geometry=${1:-1280x1024}
display=:$(( 90 + RANDOM % 100 ))
Xvfb "$display" -screen 0 "${_geometry}x24" -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
trap 'kill $xvfb 2>/dev/null || true' EXIT
export DISPLAY=$display
for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done
unset _geometry
