#!/usr/bin/env bash
# After ./build.sh package: the .deb holds exactly the files that `cmake --install` puts
# under /usr, says which fonts it needs, and lintian finds nothing a Debian maintainer would
# fix in it.
set -u
build="${1:?usage: check_package.sh BUILD_DIR}"
deb="$(ls "$build"/slyders_*.deb 2>/dev/null | head -n 1)"
[ -n "$deb" ] || { echo "FAIL: no package in $build"; exit 1; }
tmp="$(mktemp -d)"
trap 'rm -rf "$tmp"' EXIT
DESTDIR="$tmp/root" cmake --install "$build" --prefix /usr >/dev/null
(cd "$tmp/root" && find . -type f | sed 's|^\.||' | sort) >"$tmp/installed"
dpkg-deb --contents "$deb" | awk '$1 !~ /^d/ {print $6}' | sed 's|^\.||' | sort >"$tmp/packaged"
fail=0
if ! diff "$tmp/installed" "$tmp/packaged"; then
    echo "FAIL: the package and the install differ (< install only, > package only)"
    fail=1
fi
depends="$(dpkg-deb --field "$deb" Depends)"
for need in libqt6widgets6 libopenal1 fonts-comic-neue fonts-liberation2; do
    grep -q "$need" <<<"$depends" || { echo "FAIL: $deb does not depend on $need"; fail=1; }
done

# Lintian's errors and warnings fail the check, except these, which a maintainer would leave.
allowed=(
    # The package is made here, not uploaded to Debian: there is no ITP bug to close.
    initial-upload-closes-no-bugs
)
if ! lintian --fail-on none --display-level ">=warning" "$deb" >"$tmp/lintian" 2>&1; then
    cat "$tmp/lintian"
    echo "FAIL: lintian did not run"
    fail=1
fi
grep -E '^[EW]: ' "$tmp/lintian" >"$tmp/found" || true
for tag in "${allowed[@]}"; do
    sed -i "/^[EW]: [^:]*: $tag\( \|$\)/d" "$tmp/found"
done
if [ -s "$tmp/found" ]; then
    cat "$tmp/found"
    echo "FAIL: lintian"
    fail=1
fi
[ $fail -eq 0 ] && echo "package: $(basename "$deb") holds the $(wc -l <"$tmp/installed") installed files"
exit $fail
