# Shared helpers of the end-to-end test scripts: a private X server, the program started on it, and
# waiting for conditions (a window, a menu popup, a file) instead of fixed times. Usage:
#   . "$(dirname "$0")/lib/e2e.sh"
#   e2e_init NAME BUILD [TOOL...]  skip (exit 77, "skipped: ...") without Xvfb, xdotool or a TOOL; make
#                                  $E2E_TMP (removed at exit) and $E2E_SHOTS (kept only when a test fails)
#   e2e_start_x                    a private Xvfb (1280x1024x24); exports DISPLAY and QT_QPA_PLATFORM=xcb,
#                                  whatever the caller's environment says
#   e2e_start CMD [ARG...]         start the program in the background ($E2E_PID; output in $E2E_TMP/log)
#   e2e_wait_window TITLE          wait until a window titled exactly TITLE is shown and has the keyboard
#   e2e_wait_popup [N]             wait until a popup (an open menu) is shown over N windows (default 1)
#   e2e_wait_until WHAT CMD...     wait until CMD succeeds; WHAT names the condition in the failure
#   e2e_wait_exit                  wait until the program has ended; its exit status in $E2E_RC
#   e2e_shot NAME                  a screenshot of the screen into $E2E_SHOTS (when a grabber exists)
#   e2e_fail MESSAGE               "FAIL: MESSAGE", the program's output, and exit 1
#   e2e_keys KEY...                xdotool keys to the window with the keyboard, 40 ms apart
#   e2e_type TEXT                  types TEXT there
#   e2e_enter_fields VALUE...      types each VALUE followed by Enter
#   e2e_program [INI-LINE...]      a program folder $E2E_PROG (the built question database and data
#                                  files) whose settings name the data folder $E2E_DATA, then INI-LINEs
#   e2e_run_program                the program on $E2E_PROG under a private X server, up to its main window
#   e2e_quit                       Alt+X, and the program must end with 0
#   e2e_rep TEXT N / e2e_record NAME SSN AGE GENDER RACE EDUCATION MARITAL BIRTH TESTDATE COURT(20)
#   RESPONSES(149)                 TEXT N times / one client record as the client file holds it
# E2E_TIMEOUT (seconds, default 60) bounds every wait; a busy machine only makes the waits longer.

E2E_TIMEOUT=${E2E_TIMEOUT:-60}
E2E_PID= E2E_XPID= E2E_RC=

e2e_init() {
    local name=$1 tool
    E2E_BUILD=$(cd "$2" && pwd) || { echo "skipped: no build folder $2"; exit 77; }
    shift 2
    for tool in Xvfb xdotool "$@"; do
        command -v "$tool" > /dev/null || { echo "skipped: $tool is not installed"; exit 77; }
    done
    E2E_TMP=$(mktemp -d "${TMPDIR:-/tmp}/tarvos-$name.XXXXXX")
    E2E_SHOTS=$(mktemp -d "${TMPDIR:-/tmp}/tarvos-$name-shots.XXXXXX")
    trap _e2e_cleanup EXIT
}

_e2e_cleanup() {
    local rc=$?
    [ -n "$E2E_PID" ] && kill "$E2E_PID" 2> /dev/null
    [ -n "$E2E_XPID" ] && kill "$E2E_XPID" 2> /dev/null
    rm -rf "$E2E_TMP"
    if [ $rc = 0 ] || [ -z "$(ls -A "$E2E_SHOTS" 2> /dev/null)" ]; then
        rm -rf "$E2E_SHOTS"
    else
        echo "screenshots kept in $E2E_SHOTS"
    fi
}

e2e_fail() {
    echo "FAIL: $*"
    [ -s "$E2E_TMP/log" ] && sed 's/^/  program: /' "$E2E_TMP/log"
    exit 1
}

e2e_wait_until() {
    local what=$1 deadline=$((SECONDS + E2E_TIMEOUT))
    shift
    until "$@"; do
        [ $SECONDS -lt $deadline ] || e2e_fail "timed out after ${E2E_TIMEOUT}s waiting for $what"
        sleep 0.1
    done
}

e2e_start_x() {
    # -displayfd lets the server pick a free display itself: no race between tests run side by side.
    local fifo=$E2E_TMP/display
    mkfifo "$fifo"
    Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp -noreset 3> "$fifo" 2> "$E2E_TMP/xvfb.log" &
    E2E_XPID=$!
    local display
    read -r -t "$E2E_TIMEOUT" display < "$fifo" || e2e_fail "Xvfb did not start: $(cat "$E2E_TMP/xvfb.log")"
    export DISPLAY=:$display QT_QPA_PLATFORM=xcb
    unset WAYLAND_DISPLAY
}

e2e_start() {
    "$@" > "$E2E_TMP/log" 2>&1 &
    E2E_PID=$!
}

_e2e_focused() {
    local w
    kill -0 "$E2E_PID" 2> /dev/null || e2e_fail "the program ended while waiting for the window '$1'"
    for w in $(xdotool search --onlyvisible --name "^$1\$" 2> /dev/null); do
        [ "$(xdotool getwindowfocus 2> /dev/null)" = "$w" ] && return 0
    done
    return 1
}

e2e_wait_window() {
    e2e_wait_until "the window '$1' with the keyboard" _e2e_focused "$1"
}

# An open menu is one more visible window of the program (Qt maps a popup of its own).
_e2e_popup_shown() {
    [ "$(xdotool search --onlyvisible --classname '^tarvos$' 2> /dev/null | wc -l)" -gt "$1" ]
}

e2e_wait_popup() {
    e2e_wait_until "a menu to open" _e2e_popup_shown "${1:-1}"
}

e2e_wait_exit() {
    local deadline=$((SECONDS + E2E_TIMEOUT))
    while kill -0 "$E2E_PID" 2> /dev/null; do
        [ $SECONDS -lt $deadline ] || e2e_fail "the program did not end"
        sleep 0.1
    done
    wait "$E2E_PID"
    E2E_RC=$?
    E2E_PID=
}

e2e_shot() {
    if command -v import > /dev/null; then
        import -window root "$E2E_SHOTS/$1.png"
    elif command -v xwd > /dev/null; then
        xwd -root -silent -out "$E2E_SHOTS/$1.xwd"
    fi
}

e2e_keys() { xdotool key --delay 40 "$@"; }
e2e_type() { xdotool type --delay 30 "$1"; }
e2e_enter_fields() {
    local v
    for v in "$@"; do
        e2e_type "$v"
        e2e_keys Return
    done
}

e2e_program() {
    [ -x "$E2E_BUILD/tarvos" ] && [ -f "$E2E_BUILD/TARVOS.MDB" ] || { echo "skipped: program not built"; exit 77; }
    E2E_PROG=$E2E_TMP/prog E2E_DATA=$E2E_TMP/data
    mkdir -p "$E2E_PROG" "$E2E_DATA" && mkdir -m 700 "$E2E_TMP/run"
    cp "$E2E_BUILD"/TARVOS.MDB "$E2E_BUILD"/*.TXT "$E2E_PROG/"
    printf '%s\r\n' "[Path]" "FilePath=$E2E_DATA" "$@" > "$E2E_PROG/trvtest.ini"
}

e2e_run_program() {
    e2e_start_x
    export TARVOS_PROGRAM_DIR=$E2E_PROG XDG_RUNTIME_DIR=$E2E_TMP/run
    e2e_start "$E2E_BUILD/tarvos"
    e2e_wait_window Tarvos
}

e2e_quit() {
    e2e_wait_window Tarvos
    e2e_keys alt+x
    e2e_wait_exit
    [ "$E2E_RC" = 0 ] || e2e_fail "the program ended with $E2E_RC"
}

e2e_rep() { local s= i; for ((i = 0; i < $2; i++)); do s+=$1; done; printf '%s' "$s"; }
e2e_record() { printf '%-25s%-11s%-3s%s%s%-2s%s%-10s%-10s%-20s%-149s00' "$@"; }
