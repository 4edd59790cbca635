#!/usr/bin/env bash
# Installs a built tree into a scratch prefix and makes its Debian package,
# then checks what a user gets: the installed file list, the desktop entry and
# metainfo (validated), the manual pages, both programs' --version, the first
# start in a new user's folder (seeded with the sample world, never
# overwritten), a portable copy, and the package's file list and dependencies.
#
#   tools/check-install.sh BUILD-DIR
#
# The programs must be built (cmake --build BUILD-DIR --target mapeditor
# mapedit). Needs desktop-file-validate, appstreamcli, dpkg-shlibdeps, groff
# (tools/install-dependencies.sh). Run by the test suite as install_check.
set -euo pipefail

build=$(cd "${1:?usage: check-install.sh BUILD-DIR}" && pwd)
source_dir=$(cd "$(dirname "$0")/.." && pwd)
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

failures=0
fail() {
    echo "FAIL: $*" >&2
    failures=$((failures + 1))
}

for tool in desktop-file-validate appstreamcli dpkg-shlibdeps dpkg-deb groff cpack; do
    command -v "$tool" >/dev/null ||
        { echo "check-install: $tool is missing (tools/install-dependencies.sh)" >&2; exit 1; }
done

cache_value() { sed -n "s/^$1:[A-Z]*=//p" "$build/CMakeCache.txt"; }
version=$(cache_value CMAKE_PROJECT_VERSION)
app_id=$(cache_value MAPEDIT_APP_ID)
[ -n "$version" ] && [ -n "$app_id" ] || { echo "check-install: $build is no configured build" >&2; exit 1; }

# The files an installation holds, below its prefix; the sample world is
# compared with data/ on its own.
expected_files() {
    printf '%s\n' bin/mapedit bin/mapeditor \
        "share/applications/$app_id.desktop" \
        "share/metainfo/$app_id.metainfo.xml" \
        share/icons/hicolor/scalable/apps/mapeditor.svg \
        share/man/man1/mapedit.1.gz share/man/man1/mapeditor.1.gz
    for size in 16 32 48 64 128 256; do
        echo "share/icons/hicolor/${size}x${size}/apps/mapeditor.png"
    done
}
listed_files() { (cd "$1" && find . -type f | sed 's|^\./||' | grep -v '^share/mapeditor/') | sort; }

check_tree() { # PREFIX WHAT
    local prefix=$1 what=$2
    if ! diff <(expected_files | sort) <(listed_files "$prefix") >"$scratch/list.diff"; then
        fail "$what: unexpected file list (< expected, > found):"
        cat "$scratch/list.diff" >&2
    fi
    diff -r "$source_dir/data" "$prefix/share/mapeditor" >/dev/null ||
        fail "$what: share/mapeditor differs from the sample world in data/"
    for program in mapeditor mapedit; do
        local said
        said=$(env -u DISPLAY -u WAYLAND_DISPLAY "$prefix/bin/$program" --version 2>&1) ||
            fail "$what: $program --version failed"
        [ "$said" = "$program $version" ] ||
            fail "$what: $program --version said \"$said\", not \"$program $version\""
    done
}

# --- cmake --install --------------------------------------------------------
prefix=$scratch/prefix
cmake --install "$build" --prefix "$prefix" >/dev/null
check_tree "$prefix" "cmake --install"

desktop-file-validate "$prefix/share/applications/$app_id.desktop" ||
    fail "the desktop entry does not validate"
grep -qx "Exec=mapeditor" "$prefix/share/applications/$app_id.desktop" ||
    fail "the desktop entry does not start mapeditor"
grep -qx "Categories=Development;.*" "$prefix/share/applications/$app_id.desktop" ||
    fail "the desktop entry is not in the category Development"
appstreamcli validate --no-net "$prefix/share/metainfo/$app_id.metainfo.xml" >"$scratch/as.txt" 2>&1 ||
    { fail "the metainfo does not validate:"; cat "$scratch/as.txt" >&2; }
grep -q "<release version=\"$version\"" "$prefix/share/metainfo/$app_id.metainfo.xml" ||
    fail "the metainfo does not name release $version"
for page in mapeditor mapedit; do
    warnings=$(zcat "$prefix/share/man/man1/$page.1.gz" | groff -man -ww -z 2>&1)
    [ -z "$warnings" ] || fail "man page $page: $warnings"
    zcat "$prefix/share/man/man1/$page.1.gz" | grep -q "^\.TH ${page^^} 1 .*$page $version" ||
        fail "man page $page: no title line with version $version"
done

# --- the first start in a new user's folder ----------------------------------
home=$scratch/home
user_env=(env -u DISPLAY -u WAYLAND_DISPLAY -u XDG_DATA_HOME HOME="$home"
          XDG_CONFIG_HOME="$home/config" QT_QPA_PLATFORM=offscreen)
folder=$home/.local/share/mapeditor
help=$("${user_env[@]}" "$prefix/bin/mapeditor" --help)
grep -qF "Application folder: $folder" <<<"$help" || fail "--help does not name $folder"
[ ! -e "$folder" ] || fail "--help created $folder"

shot=$scratch/shot.png
"${user_env[@]}" "$prefix/bin/mapeditor" --map Default --location main --screenshot "$shot" ||
    fail "the installed editor does not start on the sample world"
[ -s "$shot" ] || fail "the first start wrote no picture"
diff -r "$source_dir/data" "$folder" >/dev/null || fail "the first start did not copy the sample world"

# A later start leaves the user's folder as it is: a changed file keeps its
# change, a removed one stays removed.
echo "changed by the user" >"$folder/Maps/Default/main_welcome"
rm "$folder/Maps/Default/cave_drip"
"${user_env[@]}" "$prefix/bin/mapeditor" --map Default --screenshot "$shot" ||
    fail "the second start failed"
[ "$(cat "$folder/Maps/Default/main_welcome")" = "changed by the user" ] ||
    fail "a later start overwrote the user's file"
[ ! -e "$folder/Maps/Default/cave_drip" ] || fail "a later start brought back a removed file"

"${user_env[@]}" "$prefix/bin/mapedit" info --map Default >/dev/null ||
    fail "mapedit without --root does not find the user's folder"

# --- a portable copy: the programs beside Maps and Resources -----------------
portable=$scratch/portable
mkdir -p "$portable"
cp -R "$source_dir/data/." "$portable/"
cp "$prefix/bin/mapedit" "$prefix/bin/mapeditor" "$portable/"
grid=$("${user_env[@]}" "$portable/mapedit" info --map Default | sed -n 's/^grid file: //p')
[ "$grid" = "$portable/Maps/Default/main.map" ] ||
    fail "the portable mapedit reads \"$grid\", not its own folder's map"
help=$("${user_env[@]}" "$portable/mapeditor" --help)
grep -qF "Application folder: $portable " <<<"$help" || fail "the portable editor names another folder"

# --- the Debian package -------------------------------------------------------
cpack -G DEB --config "$build/CPackConfig.cmake" -B "$scratch/package" >"$scratch/cpack.txt" 2>&1 ||
    { cat "$scratch/cpack.txt" >&2; echo "check-install: cpack failed" >&2; exit 1; }
deb=$(ls "$scratch"/package/*.deb)
[ "$(dpkg-deb -f "$deb" Package)" = mapeditor ] || fail "the package is not named mapeditor"
[ "$(dpkg-deb -f "$deb" Version)" = "$version" ] || fail "the package's version is not $version"
[ -n "$(dpkg-deb -f "$deb" Maintainer)" ] || fail "the package names no maintainer"
root=$scratch/root
dpkg-deb -x "$deb" "$root"
check_tree "$root/usr" "the package"

# Every library the programs link to comes from a package the package
# depends on.
depends=$(dpkg-deb -f "$deb" Depends)
depended=$(tr ',|' '\n\n' <<<"$depends" | awk '{ print $1 }')
for program in mapeditor mapedit; do
    binary=$root/usr/bin/$program
    for needed in $(objdump -p "$binary" | awk '$1 == "NEEDED" { print $2 }'); do
        path=$(ldd "$binary" | awk -v lib="$needed" '$1 == lib { print $3 }')
        owner=$({ dpkg -S "$path" || dpkg -S "$(readlink -f "$path")"; } 2>/dev/null |
            head -1 | cut -d: -f1)
        [ -n "$owner" ] || { fail "$program: no package owns $needed ($path)"; continue; }
        grep -qxF "$owner" <<<"$depended" ||
            fail "$program needs $needed from $owner, which Depends ($depends) lacks"
    done
done

if [ "$failures" -ne 0 ]; then
    echo "check-install: $failures failures" >&2
    exit 1
fi
echo "check-install: $deb and the installed tree are as they should be"
