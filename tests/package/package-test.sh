#!/usr/bin/env bash
# Builds the .deb of a build, checks what it holds, and starts the program installed from it:
#   package-test.sh <build dir> <source dir> <artefact folder>
# - cmake --install puts every file under a prefix;
# - cpack builds the package; its dependencies were computed from the binaries;
# - the desktop entry, the metainfo file and the man page are valid;
# - the package is extracted into a temporary root, and the extracted petcalc-cli gives a report
#   and the extracted petcalc shows its main window under Xvfb with the program's icon and a
#   legacy window name that is not mojibake (tests/e2e/scenarios/installed.sh), then closes.
# Exits 77 (reported as skipped) only when a tool it needs is not installed.
set -euo pipefail
build=$(cd "$1" && pwd)
source_dir=$(cd "$2" && pwd)
artifacts=$3

for tool in cmake cpack dpkg-deb dpkg-shlibdeps desktop-file-validate appstreamcli man file xvfb-run Xvfb \
    xdotool xprop; do
    if ! command -v "$tool" >/dev/null 2>&1; then
        echo "package test: $tool is not installed; skipped"
        exit 77
    fi
done

fail() {
    echo "package test: FAIL: $*" >&2
    exit 1
}

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$artifacts"

echo "== cmake --install under a prefix"
cmake --install "$build" --prefix "$work/prefix" >"$work/install.log" 2>&1 ||
    { cat "$work/install.log"; fail "cmake --install failed"; }
for f in bin/petcalc bin/petcalc-cli share/applications/com.tamsel.petcalc.desktop \
    share/metainfo/com.tamsel.petcalc.metainfo.xml share/man/man1/petcalc-cli.1 \
    share/icons/hicolor/48x48/apps/petcalc.png; do
    [ -s "$work/prefix/$f" ] || fail "cmake --install did not put $f under the prefix"
done

echo "== building the package"
(cd "$work" && cpack --config "$build/CPackConfig.cmake" -B "$work/out" >"$work/cpack.log" 2>&1) ||
    { cat "$work/cpack.log"; fail "cpack did not build the package"; }
debs=("$work"/out/petcalc_*.deb)
[ -f "${debs[0]}" ] || fail "no .deb was built"
deb=${debs[0]}
cp "$deb" "$artifacts/"
echo "built $(basename "$deb")"

echo "== what the package says about itself"
depends=$(dpkg-deb -f "$deb" Depends)
echo "Depends: $depends"
for lib in libsdl2 libfreetype6 libfontconfig1 libjpeg62-turbo libstdc++6 libc6; do
    grep -q "$lib" <<<"$depends" || fail "the dependencies do not name $lib"
done
for runtime in fonts-arphic-uming xdg-utils; do
    grep -q "$runtime" <<<"$depends" || fail "the dependencies do not name $runtime"
done
[ "$(dpkg-deb -f "$deb" Package)" = petcalc ] || fail "the package is not called petcalc"

echo "== extracting into a temporary root"
root="$work/root"
dpkg-deb -x "$deb" "$root"
expected=(
    usr/bin/petcalc
    usr/bin/petcalc-cli
    usr/share/applications/com.tamsel.petcalc.desktop
    usr/share/metainfo/com.tamsel.petcalc.metainfo.xml
    usr/share/man/man1/petcalc-cli.1
)
for size in 16 22 24 32 48 64 128 256; do
    expected+=("usr/share/icons/hicolor/${size}x${size}/apps/petcalc.png")
done
for f in "${expected[@]}"; do
    [ -s "$root/$f" ] || fail "the package does not hold $f"
done
for size in 16 48 256; do
    file "$root/usr/share/icons/hicolor/${size}x${size}/apps/petcalc.png" |
        grep -q "PNG image data, $size x $size" || fail "the ${size}x${size} icon is not a $size x $size PNG"
done

echo "== validating the desktop entry, the metainfo and the man page"
desktop-file-validate "$root/usr/share/applications/com.tamsel.petcalc.desktop" ||
    fail "desktop-file-validate refused the desktop entry"
appstreamcli validate --no-net "$root/usr/share/metainfo/com.tamsel.petcalc.metainfo.xml" ||
    fail "appstreamcli refused the metainfo"
grep -qx "Name\[zh_CN\]=Qorvin宠物查询器" "$root/usr/share/applications/com.tamsel.petcalc.desktop" ||
    fail "the desktop entry has no Chinese name"
grep -qx "Categories=Game;Utility;" "$root/usr/share/applications/com.tamsel.petcalc.desktop" ||
    fail "the desktop entry's categories are wrong"
grep -qx "Icon=petcalc" "$root/usr/share/applications/com.tamsel.petcalc.desktop" ||
    fail "the desktop entry does not name the icon"
warnings=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -l "$root/usr/share/man/man1/petcalc-cli.1" 2>&1 >"$work/man.txt")
[ -z "$warnings" ] || fail "the man page has faults: $warnings"
grep -q "EXIT STATUS" "$work/man.txt" || fail "the man page does not render"

echo "== the extracted petcalc-cli"
report=$("$root/usr/bin/petcalc-cli" merge --ll 6 --tp 6 --ys 5 --jg 3) ||
    fail "the extracted petcalc-cli failed"
grep -q "宠物功能鉴定中心" <<<"$report" || fail "the extracted petcalc-cli wrote no report"

echo "== the extracted petcalc under Xvfb"
"$source_dir/tests/e2e/run.sh" installed "$root/usr/bin/petcalc" "$root/usr/bin/petcalc-cli" \
    "$artifacts"
echo "package test: passed"
