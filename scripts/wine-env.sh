# Sourced by the scripts that run Windows programs: one private Wine prefix in the
# project's cache folder, the Chinese code page, and no debug chatter.
project_root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
export WINEPREFIX=${WINEPREFIX:-$project_root/.cache/wineprefix}
export WINEARCH=win64
export WINEDEBUG=${WINEDEBUG:--all}
export WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-mscoree,mshtml=}
export LC_ALL=zh_CN.UTF-8
# 64-bit programs always go through the 64-bit loader; the 32-bit one exists only where
# wine32 was installed, which the install script does only where 32-bit code runs.
export WINE_LOADER=/usr/lib/wine/wine64
export WINE_LOADER32=/usr/lib/wine/wine
export WINE_SERVER=/usr/lib/wine/wineserver

# The loader for a Windows program: the 32-bit one for an i386 PE file, else the 64-bit one
# (also for Wine's own programs given by name, which are 64-bit in this prefix).
wine_loader_for() {
    local program=$1 header machine
    if [ -f "$program" ]; then
        header=$(od -An -tu4 -j60 -N4 "$program" 2>/dev/null | tr -d ' ')
        machine=$(od -An -tx2 -j$((header + 4)) -N2 "$program" 2>/dev/null | tr -d ' ')
        if [ "$machine" = 014c ]; then
            echo "$WINE_LOADER32"
            return
        fi
    fi
    echo "$WINE_LOADER"
}

# Runs a Windows program with the loader its build needs.
wine_run() {
    "$(wine_loader_for "$1")" "$@"
}

# The build the demos show: the shipped i686 one where it runs here, else x86_64.
demo_arch() {
    if [ -x "$WINE_LOADER32" ] && bash "$project_root/scripts/probe-32bit.sh" >/dev/null; then
        echo i686
    else
        echo x86_64
    fi
}
