#!/usr/bin/env bash
# Builds the Debian package from this build tree into a temporary folder,
# checks what it holds, unpacks it into a temporary root and runs the
# unpacked programs there, including where their settings file goes when
# the program's folder cannot be written.
#   PackageTest.sh BUILD_DIR VERSION RENDER_FROM_BUILD
set -euo pipefail
build=$1 version=$2 built_render=$3
id=sk.scaleplate.Scaleplate
tmp=$(mktemp -d /tmp/scaleplate-package-XXXXXX)
pids=()
cleanup() {
  for p in "${pids[@]}"; do kill "$p" 2>/dev/null || true; done
  rm -rf "$tmp"
}
trap cleanup EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

# --- the package -------------------------------------------------------------
cpack -G DEB --config "$build/CPackConfig.cmake" -B "$tmp/pkg" > "$tmp/cpack.log" 2>&1 || { cat "$tmp/cpack.log"; fail "cpack"; }
deb=$tmp/pkg/scaleplate_${version}_amd64.deb
[ -f "$deb" ] || fail "no $deb (have: $(ls "$tmp/pkg"))"

dpkg-deb -c "$deb" | awk '{print $6}' > "$tmp/files"
for f in usr/bin/scaleplate usr/bin/scaleplate-render usr/bin/scaleplate-define usr/share/man/man1/scaleplate-define.1.gz \
         usr/share/applications/$id.desktop usr/share/metainfo/$id.metainfo.xml \
         usr/share/icons/hicolor/scalable/apps/$id.svg usr/share/mime/packages/$id.xml \
         usr/share/man/man1/scaleplate.1.gz usr/share/man/man1/scaleplate-render.1.gz \
         usr/share/doc/scaleplate/copyright; do
  grep -qx "./$f" "$tmp/files" || fail "package lacks $f"
done
for s in 16 24 32 48 64 128 256; do
  grep -qx "./usr/share/icons/hicolor/${s}x${s}/apps/$id.png" "$tmp/files" || fail "package lacks the ${s}px icon"
done

depends=$(dpkg-deb -f "$deb" Depends)
for d in libqt6widgets6 libstdc++6 libqt6svg6 fonts-liberation2 fonts-dejavu-core; do
  [[ ", $depends," == *", $d"[\ ,]* ]] || fail "Depends lacks $d: $depends"
done
[ "$(dpkg-deb -f "$deb" Version)" = "$version" ] || fail "package version"
description=$(dpkg-deb -f "$deb" Description)
for p in scaleplate scaleplate-render scaleplate-define; do
  [[ "$description" == *"$p "* ]] || fail "the description does not name $p"
done

root=$tmp/root
dpkg-deb -x "$deb" "$root"

# --- desktop entry, metainfo, icons, manual pages ----------------------------
desktop-file-validate "$root/usr/share/applications/$id.desktop" || fail "desktop entry"
appstreamcli validate --no-net "$root/usr/share/metainfo/$id.metainfo.xml" || fail "metainfo"
grep -q "<project_license>GPL-3.0-or-later</project_license>" "$root/usr/share/metainfo/$id.metainfo.xml" \
  || fail "metainfo names no licence"
grep -q "^License: GPL-3.0-or-later" "$root/usr/share/doc/scaleplate/copyright" || fail "copyright names no licence"
exec_line=$(sed -n 's/^Exec=//p' "$root/usr/share/applications/$id.desktop")
[ -x "$root/usr/bin/${exec_line%% *}" ] || fail "Exec=$exec_line is not an installed program"
grep -qx "Icon=$id" "$root/usr/share/applications/$id.desktop" || fail "Icon is not $id"
# Plate files open in the designer: the type is known by its extension and
# the desktop entry takes it.
mkdir -p "$tmp/mime/packages" && cp "$root/usr/share/mime/packages/$id.xml" "$tmp/mime/packages/"
update-mime-database "$tmp/mime" || fail "the plate file type"
grep -q "application/x-scaleplate:\*\.scaleplate" "$tmp/mime/globs" || fail "*.scaleplate is not application/x-scaleplate"
grep -qx "MimeType=application/x-scaleplate;" "$root/usr/share/applications/$id.desktop" || fail "MimeType"
for s in 16 48 256; do
  file "$root/usr/share/icons/hicolor/${s}x${s}/apps/$id.png" | grep -q "PNG image data, $s x $s" \
    || fail "the ${s}px icon is not a $s x $s PNG"
done
man_text=$(MANWIDTH=100 man -l "$root/usr/share/man/man1/scaleplate-render.1.gz" 2>/dev/null)
for want in "SYNOPSIS" "--output FILE" "EXIT STATUS" "EXAMPLE" "scaleplate-render --set Frame=1" "scaleplate $version"; do
  [[ "$man_text" == *"$want"* ]] || fail "man scaleplate-render lacks '$want'"
done

# --- the unpacked programs ---------------------------------------------------
[ "$("$root/usr/bin/scaleplate-render" --version)" = "scaleplate-render $version" ] || fail "render --version"
[ "$("$root/usr/bin/scaleplate" --version)" = "scaleplate $version" ] || fail "scaleplate --version"
[ "$("$root/usr/bin/scaleplate-define" --version)" = "scaleplate-define $version" ] || fail "define --version"
"$root/usr/bin/scaleplate-render" --set Frame=1 --output "$tmp/unpacked.bmp"
"$built_render" --set Frame=1 --output "$tmp/built.bmp"
cmp "$tmp/unpacked.bmp" "$tmp/built.bmp" || fail "the unpacked renderer draws another picture"
[ "$(stat -c %s "$tmp/unpacked.bmp")" = 5360094 ] || fail "picture size"
for plate in vu-meter multimeter s-meter battery-tester panel-meter-1ma; do
  preset="$root/usr/share/scaleplate/plates/$plate.scaleplate"
  [ -f "$preset" ] || fail "package lacks the preset $plate"
  "$root/usr/bin/scaleplate-render" --plate "$preset" --output "$tmp/$plate.png" 2> "$tmp/$plate.err" \
    && [ ! -s "$tmp/$plate.err" ] || fail "the preset $plate does not draw cleanly"
done

# --- where the unpacked window keeps its settings ----------------------------
# The program folder is made read-only. The superuser may write it anyway, so
# then the program runs as nobody.
chmod -R a+rX "$tmp"
mkdir -m 0777 "$tmp/run"  # the trace and the pid, written as that user
chmod 0555 "$root/usr/bin"
as_user=()
if [ "$(id -u)" = 0 ]; then as_user=(setpriv --reuid=65534 --regid=65534 --clear-groups); fi
fresh_user_dirs() {
  rm -rf "$tmp/home" "$tmp/xdg"
  mkdir -m 0755 "$tmp/home" "$tmp/xdg"
  [ "$(id -u)" = 0 ] && chown 65534:65534 "$tmp/home" "$tmp/xdg"
  return 0
}
# Starts the window without a screen; its pid goes to $tmp/pid.
start_window() {
  env -i PATH=/usr/bin:/bin HOME="$tmp/home" XDG_CONFIG_HOME="$1" QT_QPA_PLATFORM=offscreen \
    "${as_user[@]}" strace -f -qq -e trace=openat,mkdir -o "$tmp/run/trace" \
    sh -c 'echo $$ > "$0"; exec "$1"' "$tmp/run/pid" "$root/usr/bin/scaleplate" > "$tmp/window.log" 2>&1 &
  pids+=($!)
}
stop_window() {
  [ -s "$tmp/run/pid" ] && kill "$(cat "$tmp/run/pid")" 2>/dev/null
  wait "${pids[-1]}" 2>/dev/null || true
  rm -f "$tmp/run/pid" "$tmp/run/trace"
}
wait_for() {  # wait_for FILE PATTERN: until FILE holds PATTERN (at most 60 s)
  for _ in $(seq 600); do
    grep -q -- "$2" "$1" 2>/dev/null && return 0
    sleep 0.1
  done
  cat "$tmp/window.log" >&2
  fail "timed out waiting for '$2' in $1"
}

# No file beside the program, XDG_CONFIG_HOME set: the first-run file there.
fresh_user_dirs
start_window "$tmp/xdg"
wait_for "$tmp/xdg/scaleplate/scaleplate.ini" "NumberGap="  # the last key
stop_window
ini=$(tr -d '\r' < "$tmp/xdg/scaleplate/scaleplate.ini" | tr '\n' ' ')
[ "$ini" = "[Dimensions] Width=80 Height=40 Dpi=600 [Angles] Left=135 Right=45 [Center] X=40 Y=1 Radius=15 CentralRadius=3 [Scale] Segments=10 SegmentLength=3 FrameWidth=1 ArchWidth=2 SegmentWidth=1 Master=5 Doubled=0 HalfSmall=0 Frame=0 Mirror=0 [Numbers] ValueLeft= ValueRight= Unit= TextHeight=3,5 Font=DejaVu Sans Inside=0 Radial=0 DecimalPoint=0 NumberGap= " ] \
  || fail "first-run file under XDG_CONFIG_HOME: $ini"
[ ! -e "$root/usr/bin/scaleplate.ini" ] || fail "a settings file appeared in the read-only folder"

# XDG_CONFIG_HOME unset: ~/.config/scaleplate/scaleplate.ini.
fresh_user_dirs
start_window ""
wait_for "$tmp/home/.config/scaleplate/scaleplate.ini" "NumberGap="
stop_window

# A file beside the read-only program is used, and nothing is made elsewhere.
fresh_user_dirs
chmod 0755 "$root/usr/bin"
printf '[Dimensions]\r\nWidth=123\r\n' > "$root/usr/bin/scaleplate.ini"
chmod 0555 "$root/usr/bin"
start_window "$tmp/xdg"
wait_for "$tmp/run/trace" "usr/bin/scaleplate.ini\", O_RDONLY"
stop_window
[ -z "$(ls -A "$tmp/xdg")" ] || fail "settings made under XDG_CONFIG_HOME although a file is beside the program"
[ ! -e "$tmp/home/.config" ] || fail "settings made under the home folder although a file is beside the program"
[ "$(cat "$root/usr/bin/scaleplate.ini")" = $'[Dimensions]\r\nWidth=123\r' ] || fail "the file beside the program changed"
echo "package test passed"
