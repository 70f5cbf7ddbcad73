# Sourced by the smoke tests: starts Xvfb on the first free display.
#   avvia_xvfb <folder> <screen, as 1280x1024x24> [more Xvfb options]
# sets DISPLAY and xvfb_pid; needs a function fallito.
avvia_xvfb() {
    local cartella="$1" schermo="$2"
    shift 2
    Xvfb -displayfd 3 -screen 0 "$schermo" -nolisten tcp "$@" 3>"$cartella/display" \
        >"$cartella/xvfb.log" 2>&1 &
    xvfb_pid=$!
    local fine=$((SECONDS + 20))
    while ! grep -q '^[0-9][0-9]*$' "$cartella/display" 2>/dev/null; do
        kill -0 "$xvfb_pid" 2>/dev/null || fallito "Xvfb did not start: $(tail -n 5 "$cartella/xvfb.log")"
        [ $SECONDS -lt $fine ] || fallito "Xvfb gave no display number within 20 s"
        sleep 0.1
    done
    export DISPLAY=":$(head -n 1 "$cartella/display")"
}
