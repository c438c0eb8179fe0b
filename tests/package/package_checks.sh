#!/usr/bin/env bash
# The checks of what ships, one ctest entry per step: "build" makes the Debian package from the
# build tree and unpacks it; the other steps check that package. A step whose tool is missing
# exits 77 (skipped) and says which; with CI=true it fails instead, so that a broken install step
# cannot pass.
# Usage: package_checks.sh <step> <work folder> <build tree> <package> <version> <application ID>
#        <design media type>
set -euo pipefail
step=$1 work=$2 build_dir=$3 package=$4 version=$5 app_id=$6 media_type=$7
root="$work/root"

skip() {
    if [[ "${CI:-}" == true ]]; then
        echo "FAILED (CI=true): $*"
        exit 1
    fi
    echo "SKIPPED: $*"
    exit 77
}
fail() {
    echo "FAILED: $*"
    exit 1
}
need() {
    command -v "$1" >/dev/null || skip "$1 is not installed ($2)."
}
the_package() {
    local found=("$work"/cpack/*.deb)
    [[ -f "${found[0]}" ]] || skip "there is no package: its build step was skipped."
    echo "${found[0]}"
}

case "$step" in
build)
    need dpkg-deb dpkg
    need dpkg-shlibdeps dpkg-dev
    need file file
    rm -rf "$work"
    mkdir -p "$work"
    if ! cpack --config "$build_dir/CPackConfig.cmake" -B "$work/cpack" -G DEB >"$work/cpack.log" 2>&1; then
        cat "$work/cpack.log"
        fail "cpack did not make the package."
    fi
    expected_name="${package}_${version}_$(dpkg --print-architecture).deb"
    [[ -f "$work/cpack/$expected_name" ]] || fail "no $expected_name in $work/cpack."
    dpkg-deb -x "$work/cpack/$expected_name" "$root"
    ;;

contents)
    deb=$(the_package)
    field() { dpkg-deb -f "$deb" "$1"; }
    [[ $(field Package) == "$package" ]] || fail "Package is $(field Package)."
    [[ $(field Version) == "$version" ]] || fail "Version is $(field Version)."
    [[ $(field Architecture) == "$(dpkg --print-architecture)" ]] || fail "Architecture is $(field Architecture)."
    [[ $(field Recommends) == "qt6-wayland" ]] || fail "Recommends is $(field Recommends)."
    depends=$(field Depends | tr ',' '\n' | sed 's/^ *//; s/ .*//')
    for dependency in fonts-liberation qt6-translations-l10n libqt6widgets6; do
        grep -qx "$dependency" <<<"$depends" || fail "Depends lacks $dependency: $(field Depends)"
    done

    sizes=(16 24 32 48 64 128 256)
    expected=(
        "./usr/bin/amplificatore"
        "./usr/share/applications/$app_id.desktop"
        "./usr/share/metainfo/$app_id.metainfo.xml"
        "./usr/share/mime/packages/$app_id.xml"
        "./usr/share/icons/hicolor/scalable/apps/$app_id.svg"
        "./usr/share/doc/$package/copyright"
        "./usr/share/doc/$package/changelog.gz"
        "./usr/share/man/man1/amplificatore.1.gz"
    )
    for size in "${sizes[@]}"; do
        expected+=("./usr/share/icons/hicolor/${size}x${size}/apps/$app_id.png")
    done
    if ! diff -u <(printf '%s\n' "${expected[@]}" | sort) \
        <(dpkg-deb -c "$deb" | awk '$1 !~ /^d/ { print $6 }' | sort); then
        fail "the package's files differ from the expected list (- expected, + shipped)."
    fi
    for size in "${sizes[@]}"; do
        png="$root/usr/share/icons/hicolor/${size}x${size}/apps/$app_id.png"
        file "$png" | grep -q "PNG image data, $size x $size," || fail "$(file "$png")"
    done
    grep -q "^License: MIT$" "$root/usr/share/doc/$package/copyright" ||
        fail "the copyright file names no MIT licence."

    # The menu entry starts the shipped program and shows the shipped icon.
    entry="$root/usr/share/applications/$app_id.desktop"
    command=$(sed -n 's/^Exec=\([^ ]*\).*/\1/p' "$entry")
    [[ -x "$root/usr/bin/$command" ]] || fail "the desktop entry starts \"$command\", which is not shipped."
    grep -qx "Icon=$app_id" "$entry" || fail "the desktop entry's icon is not $app_id."
    grep -q "<launchable type=\"desktop-id\">$app_id.desktop</launchable>" \
        "$root/usr/share/metainfo/$app_id.metainfo.xml" || fail "the metainfo launches no $app_id.desktop."
    ;;

desktop_entry)
    the_package >/dev/null
    need desktop-file-validate desktop-file-utils
    report=$(desktop-file-validate "$root/usr/share/applications/$app_id.desktop" 2>&1) || true
    [[ -z "$report" ]] || fail "desktop-file-validate reports: $report"
    ;;

metainfo)
    the_package >/dev/null
    need appstreamcli appstream
    appstreamcli validate --no-net "$root/usr/share/metainfo/$app_id.metainfo.xml" ||
        fail "appstreamcli refuses the metainfo."
    ;;

mime)
    # The desktop's view of the unpacked tree, as it would be once installed: its media types and
    # applications first, then the system's.
    the_package >/dev/null
    need update-mime-database shared-mime-info
    need update-desktop-database desktop-file-utils
    need xdg-mime xdg-utils
    need mimetype libfile-mimeinfo-perl
    share="$work/share"
    rm -rf "$share" "$work/home"
    mkdir -p "$share" "$work/home"
    cp -r "$root/usr/share/mime" "$root/usr/share/applications" "$share/"
    update-mime-database "$share/mime"
    update-desktop-database "$share/applications"
    design="$work/home/progetto.amplificatore"
    printf '{\n    "formato": "amplificatore-audio/progetto"\n}\n' >"$design"
    desktop=(env -u XDG_CURRENT_DESKTOP -u DESKTOP_SESSION -u KDE_FULL_SESSION -u GNOME_DESKTOP_SESSION_ID
        HOME="$work/home" XDG_CONFIG_HOME="$work/home/.config" XDG_DATA_HOME="$work/home/.local/share"
        XDG_CONFIG_DIRS="$work/home/etc" XDG_DATA_DIRS="$share:/usr/share")
    type=$("${desktop[@]}" xdg-mime query filetype "$design") || fail "xdg-mime names no type."
    [[ "$type" == "$media_type" ]] || fail "xdg-mime names the type of a design $type."
    default=$("${desktop[@]}" xdg-mime query default "$media_type") || fail "no default application."
    [[ "$default" == "$app_id.desktop" ]] || fail "the default application of a design is $default."
    grep -q "^Exec=amplificatore %f$" "$share/applications/$app_id.desktop" ||
        fail "the desktop entry does not pass the file to the program."
    ;;

lintian)
    deb=$(the_package)
    need lintian lintian
    lintian --fail-on error "$deb" || fail "lintian reports errors."
    ;;

program)
    the_package >/dev/null
    program="$root/usr/bin/amplificatore"
    # --version needs no display: on the xcb platform without DISPLAY, opening one would abort.
    printed=$(env -u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM=xcb "$program" --version) ||
        fail "--version failed."
    [[ "$printed" == "Amplificatore audio $version" ]] || fail "--version printed: $printed"
    printed=$(env -u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM=xcb "$program" --help) ||
        fail "--help failed."
    grep -q -- "--version" <<<"$printed" || fail "--help lists no --version: $printed"
    # Qt takes its own options; what is left unknown is refused.
    if printed=$("$program" -platform offscreen --no-such-option 2>&1); then
        fail "an unknown option was accepted."
    fi
    grep -q "Unknown option 'no-such-option'" <<<"$printed" || fail "unknown option: $printed"

    "$program" -platform offscreen &
    pid=$!
    for _ in $(seq 30); do
        sleep 0.1
        if ! kill -0 "$pid" 2>/dev/null; then
            status=0
            wait "$pid" || status=$?
            fail "the program ended by itself (status $status)."
        fi
    done
    kill "$pid"
    wait "$pid" 2>/dev/null || true
    ;;

*)
    fail "unknown step $step"
    ;;
esac
