#!/usr/bin/env bash
# Checks the Debian package make package writes: its fields, its files, the libraries it
# depends on, and that its manual page says what the program's --help says. Where this
# machine lets it (root, dpkg, no cdma_sim installed yet), it also installs the package
# into the real system, runs the installed program and removes the package again.
#   usage: check_package.sh DEB VERSION
set -euo pipefail

deb=$1
version=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0

fail() {
    echo "FAILED: $*"
    failures=$((failures + 1))
}

[ -f "$deb" ] || { echo "FAILED: no package $deb"; exit 1; }

# Control fields: field, expected value.
fields=(
    "Package|cdma-sim"
    "Version|$version"
    "Architecture|$(dpkg --print-architecture)"
    "Section|science"
)
for row in "${fields[@]}"; do
    field=${row%%|*}
    want=${row#*|}
    got=$(dpkg-deb -f "$deb" "$field")
    [ "$got" = "$want" ] || fail "$field is '$got', expected '$want'"
done

# Files: what cmake --install installs, and the manual page.
files=(
    ./usr/bin/cdma_sim
    ./usr/share/applications/cdma_sim.desktop
    ./usr/share/icons/hicolor/scalable/apps/cdma_sim.svg
    ./usr/share/mime/packages/cdma_sim-lesson.xml
    ./usr/share/man/man1/cdma_sim.1.gz
)
listing=$(dpkg-deb -c "$deb" | awk '{print $6}')
for file in "${files[@]}"; do
    grep -qxF "$file" <<<"$listing" || fail "$file is not in the package"
done

# Depends: the library packages dpkg-shlibdeps finds for Qt Widgets and libjpeg
# (package names only, without their version constraints).
needed=(libqt6widgets6 libqt6gui6 libqt6core6 libjpeg62-turbo)
depends=$(dpkg-deb -f "$deb" Depends | tr ',' '\n' | sed -E 's/^ *([^ (]+).*/\1/')
for package in "${needed[@]}"; do
    grep -qxF "$package" <<<"$depends" || fail "Depends does not name $package: $(dpkg-deb -f "$deb" Depends)"
done

# The manual page: gzip -9n (no name, time stamp 0 in bytes 4..7), and its text is the
# program's --help, line for line, as man shows it (indented by 7 columns).
dpkg-deb -x "$deb" "$work/root"
page=$work/root/usr/share/man/man1/cdma_sim.1.gz
program=$work/root/usr/bin/cdma_sim
[ "$(od -An -tx1 -j3 -N5 "$page" | tr -d ' ')" = "0000000000" ] ||
    fail "the manual page was gzipped with a name or a time stamp"
shown=$(zcat "$page" | groff -man -Tascii -P-cbou -rLL=200n 2>&1 | sed -E 's/^ {7}//; s/ +$//')
help=$("$program" --help | sed -E 's/ +$//')
[[ "$shown" == *"$help"* ]] || {
    fail "the manual page does not show the --help text"
    diff <(echo "$help") <(echo "$shown") | head -20 || true
}
[ "$("$program" --version)" = "cdma_sim $version" ] || fail "the packaged program's --version"
grep -q "cdma_sim $version" <<<"$shown" || fail "the manual page does not name version $version"

[ "$failures" -eq 0 ] || exit 1

# Installing into the real system, only where that harms nothing.
skip=
if [ "$(id -u)" -ne 0 ]; then skip="not root"
elif ! command -v dpkg >/dev/null; then skip="no dpkg"
elif dpkg-query -W -f='${db:Status-Status}' cdma-sim 2>/dev/null | grep -q installed; then
    skip="cdma-sim is installed already"
elif command -v cdma_sim >/dev/null; then skip="a cdma_sim is on the PATH already"
fi
if [ -n "$skip" ]; then
    echo "package checked; installing it skipped: $skip"
    exit 0
fi
dpkg -i "$deb" >"$work/install.log" 2>&1 || {
    cat "$work/install.log"
    dpkg -r cdma-sim >/dev/null 2>&1 || true
    echo "FAILED: dpkg -i $deb"
    exit 1
}
installed=$(cdma_sim --version 2>&1) || true
dpkg -r cdma-sim >"$work/remove.log" 2>&1 || { cat "$work/remove.log"; fail "dpkg -r cdma-sim"; }
[ "$installed" = "cdma_sim $version" ] || fail "installed cdma_sim --version says '$installed'"
[ ! -e /usr/bin/cdma_sim ] || fail "/usr/bin/cdma_sim is still there after removing the package"
[ "$failures" -eq 0 ] || exit 1
echo "package checked, installed, run and removed"
