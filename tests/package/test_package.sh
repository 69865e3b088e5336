#!/usr/bin/env bash
# Builds the Debian package, checks what it holds and depends on, unpacks it
# into a scratch root and starts the installed program on a virtual X server.
#   test_package.sh BUILD_DIR
set -euo pipefail
build="$(cd "$1" && pwd)"
scratch="$(mktemp -d)"
trap 'rm -rf "$scratch"' EXIT

(cd "$build" && cpack -G DEB -B "$scratch/out" >/dev/null)
deb="$(ls "$scratch"/out/*.deb)"
depends="$(dpkg-deb -f "$deb" Depends)"
fonts="$(grep -v '^#' "$(dirname "$0")/../../ui/common/fonts.list" | awk 'NF {print $2}')"
for needed in libqt6widgets6 libqt6gui6 $fonts; do
    grep -q "$needed" <<<"$depends" || { echo "the package does not depend on $needed: $depends"; exit 1; }
done

# Debian's own checks: no errors and no warnings.
if ! report="$(lintian --fail-on error,warning "$deb" 2>&1)"; then
    grep -v 'running with root privileges' <<<"$report"
    echo "lintian found errors or warnings"
    exit 1
fi

dpkg -x "$deb" "$scratch/root"
id=example.quenlo.Mervane
for f in usr/bin/Mervane usr/share/applications/$id.desktop usr/share/metainfo/$id.metainfo.xml \
         usr/share/doc/mervane/copyright usr/share/doc/mervane/changelog.gz usr/share/man/man1/Mervane.1.gz \
         usr/share/icons/hicolor/{16x16,32x32,48x48,64x64,128x128,256x256}/apps/$id.png; do
    [ -f "$scratch/root/$f" ] || { echo "missing from the package: $f"; exit 1; }
done
appstreamcli validate --no-net "$scratch/root/usr/share/metainfo/$id.metainfo.xml"
desktop-file-validate "$scratch/root/usr/share/applications/$id.desktop" | grep -v ' hint: ' || true
grep -qx 'Categories=Education;Science;Math;' "$scratch/root/usr/share/applications/$id.desktop"

# The installed program starts and shows its main window.
"$(dirname "$0")/../../tools/with-display" --own sh -c '
    "$1" 2>/dev/null & pid=$!
    timeout 20 xdotool search --sync --onlyvisible --name "^Mervane$" >/dev/null; found=$?
    kill $pid; wait $pid 2>/dev/null
    exit $found' sh "$scratch/root/usr/bin/Mervane"
echo "package ok: $(basename "$deb")"
