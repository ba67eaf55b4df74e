#!/usr/bin/env bash
# Installs every package the build and tests need (32-bit Wine only where 32-bit code
# runs), then fetches zlib's source package for minizip. Safe to run again: each step is
# skipped when its result is already there.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)

packages=(g++-mingw-w64-x86-64-posix g++-mingw-w64-i686-posix libz-mingw-w64-dev wine64 xvfb xauth
          fonts-wqy-microhei locales cmake googletest python3 imagemagick dpkg-dev x11-utils)

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
    echo "installing: ${missing[*]}"
    export DEBIAN_FRONTEND=noninteractive
    apt-get update -qq
    # Recommends would pull in 32-bit Wine, which breaks the loader where 32-bit code cannot
    # run; it is installed below when it can.
    apt-get install -y -qq --no-install-recommends -o DPkg::Lock::Timeout=300 "${missing[@]}" >/dev/null
fi

# 32-bit Wine runs the shipped i686 build, but only where this machine runs 32-bit code:
# elsewhere it breaks Wine's own tools, so the probe decides on every run. Its version is the
# one the 64-bit Wine already has (the two must match).
if bash "$root/scripts/probe-32bit.sh" >/dev/null &&
    ! dpkg-query -W -f='${Status}' wine32:i386 2>/dev/null | grep -q 'install ok installed'; then
    version=$(dpkg-query -W -f='${Version}' libwine:amd64)
    echo "installing: wine32:i386 $version (this machine runs 32-bit code)"
    export DEBIAN_FRONTEND=noninteractive
    dpkg --print-foreign-architectures | grep -qx i386 || dpkg --add-architecture i386
    apt-get update -qq
    apt-get install -y -qq --no-install-recommends -o DPkg::Lock::Timeout=300 \
        "wine32:i386=$version" >/dev/null
fi

# Chinese locale: Wine takes its ANSI code page (936) from it.
if ! locale -a 2>/dev/null | grep -qi '^zh_CN.utf8$'; then
    sed -i 's/^# *zh_CN.UTF-8 UTF-8/zh_CN.UTF-8 UTF-8/' /etc/locale.gen
    grep -q '^zh_CN.UTF-8 UTF-8' /etc/locale.gen || echo 'zh_CN.UTF-8 UTF-8' >>/etc/locale.gen
    locale-gen >/dev/null
fi

# minizip comes from zlib's source package; only contrib/minizip is unpacked.
minizip="$root/.deps/minizip"
if [ ! -f "$minizip/unzip.c" ]; then
    src_list=/etc/apt/sources.list.d/project-deb-src.sources
    if ! grep -rqs '^Types:.*deb-src' /etc/apt/sources.list.d/ && ! grep -qs '^deb-src' /etc/apt/sources.list; then
        # Derived from the machine's own Debian entry, release suite only: the security
        # suite made apt choose versions the mirror did not carry.
        uri=$(awk '/^URIs:/ {print $2; exit}' /etc/apt/sources.list.d/debian.sources 2>/dev/null || true)
        suite=$(awk '/^Suites:/ {print $2; exit}' /etc/apt/sources.list.d/debian.sources 2>/dev/null || true)
        if [ -z "$uri" ]; then
            uri=$(awk '/^deb / {print $2; exit}' /etc/apt/sources.list)
            suite=$(awk '/^deb / {print $3; exit}' /etc/apt/sources.list)
        fi
        printf 'Types: deb-src\nURIs: %s\nSuites: %s\nComponents: main\nSigned-By: /usr/share/keyrings/debian-archive-keyring.gpg\n' \
            "$uri" "$suite" >"$src_list"
        apt-get update -qq
    fi
    work=$(mktemp -d)
    (cd "$work" && apt-get source --download-only -qq zlib >/dev/null)
    mkdir -p "$minizip"
    orig=$(ls "$work"/zlib_*.orig.tar.* | head -n 1)
    tar -xf "$orig" -C "$work"
    cp "$work"/zlib-*/contrib/minizip/{unzip.c,unzip.h,ioapi.c,ioapi.h,iowin32.c,iowin32.h,crypt.h} "$minizip/"
    rm -rf "$work"
fi
echo "dependencies ready"
