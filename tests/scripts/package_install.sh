#!/usr/bin/env bash
# The Debian package, unpacked into a scratch root and run from there by a user who is not root:
# tarvos-cli answers, the desktop program starts under Xvfb, the user's data folder is seeded (the
# question database copied, the other shared files linked) and nothing is written under the root.
set -euo pipefail
build=$(cd "${1:?build dir}" && pwd)
for tool in cpack dpkg-deb xvfb-run xdotool; do
    command -v "$tool" >/dev/null || { echo "skipped: $tool is missing"; exit 77; }
done
as_user=()
if [ "$(id -u)" -eq 0 ]; then
    command -v runuser >/dev/null || { echo "skipped: runuser is missing"; exit 77; }
    as_user=(runuser -u nobody --)
fi
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
chmod 755 "$work"
fail() {
    echo "FAIL: $*" >&2
    exit 1
}

(cd "$build" && cpack -G DEB -B "$work/pkg") >"$work/cpack.log" 2>&1 || {
    cat "$work/cpack.log" >&2
    fail "cpack could not build the package"
}
deb=$(ls "$work"/pkg/tarvos_*.deb)
dpkg-deb -x "$deb" "$work/root"
root=$work/root/usr
[ -x "$root/bin/tarvos" ] && [ -x "$root/bin/tarvos-cli" ] || fail "programs missing from $deb"
[ -f "$root/share/tarvos/TARVOS.MDB" ] && [ -d "$root/share/tarvos/TARVOS/sound" ] || fail "shared files missing"
# The validators, where installed.
if command -v desktop-file-validate >/dev/null; then
    desktop-file-validate "$root"/share/applications/*.desktop || fail "desktop-file-validate"
fi
if command -v appstreamcli >/dev/null; then
    appstreamcli validate --no-net "$root"/share/metainfo/*.xml >"$work/appstream.log" 2>&1 || {
        cat "$work/appstream.log" >&2
        fail "appstreamcli validate"
    }
fi
if command -v lintian >/dev/null; then
    lintian --fail-on error "$deb" >&2 || fail "lintian reports errors"
fi
listing() { find "$work/root" -printf '%p %s %T@ %m\n' | sort; }
before=$(listing)

mkdir -p "$work/home" "$work/runtime" "$work/data"
cp "$build/demo/DATA401.TRV" "$work/data/"
chmod 700 "$work/runtime"
[ ${#as_user[@]} -eq 0 ] || chown -R nobody "$work/home" "$work/runtime" "$work/data"
# A clean environment, but for the sanitizers' options in a sanitizer build.
keep=()
for v in ASAN_OPTIONS LSAN_OPTIONS UBSAN_OPTIONS; do
    [ -z "${!v:-}" ] || keep+=("$v=${!v}")
done
run() { "${as_user[@]}" env -i PATH=/usr/bin:/bin HOME="$work/home" XDG_RUNTIME_DIR="$work/runtime" "${keep[@]}" "$@"; }

# The command-line program from the package answers on the demo file.
out=$(run QT_QPA_PLATFORM=offscreen "$root/bin/tarvos-cli" list "$work/data/DATA401.TRV") ||
    fail "tarvos-cli list failed: $out"
[ "$(printf '%s\n' "$out" | grep -c .)" -ge 5 ] || fail "tarvos-cli listed: $out"

# The desktop program starts and shows a window.
cat >"$work/start.sh" <<START
"$root/bin/tarvos" & app=\$!
timeout 60 xdotool search --sync --onlyvisible --pid \$app >/dev/null; found=\$?
kill \$app 2>/dev/null
wait \$app
exit \$found
START
run xvfb-run -a -s "-screen 0 1280x1024x24 -noreset" bash "$work/start.sh" ||
    fail "the installed program showed no window"

user=$work/home/.local/share/tarvos
[ -f "$user/TARVOS.MDB" ] && [ ! -L "$user/TARVOS.MDB" ] || fail "no copy of the question database in $user"
cmp -s "$user/TARVOS.MDB" "$root/share/tarvos/TARVOS.MDB" || fail "the copied question database differs"
for name in TRVV3SC.TXT INVAL.TXT TARVOS; do
    [ "$(readlink "$user/$name")" = "$root/share/tarvos/$name" ] || fail "$user/$name is not linked to the shared copy"
done
[ -f "$user/trvtest.ini" ] || fail "the program did not write its settings to $user"
[ "$before" = "$(listing)" ] || fail "files under the install root changed: $(diff <(echo "$before") <(listing))"
echo "package $(basename "$deb"): installed programs ran as $(run id -un); $user seeded, install root unchanged"
