#!/usr/bin/env bash
# Creates the project's Wine prefix once and sets what the tests rely on: the Chinese
# font and its substitutes, no window manager waits, no crash dialog. Then starts the
# Wine server detached, so CTest does not wait on a server that holds its output pipe.
set -euo pipefail
source "$(dirname "$0")/wine-env.sh"
stamp="$WINEPREFIX/.project-ready"
if [ ! -f "$stamp" ]; then
    mkdir -p "$WINEPREFIX"
    "$WINE_LOADER" wineboot --init >/dev/null 2>&1 || true
    "$WINE_SERVER" -w
    reg=$(mktemp --suffix=.reg)
    font="WenQuanYi Micro Hei"
    {
        printf 'Windows Registry Editor Version 5.00\r\n\r\n'
        printf '[HKEY_CURRENT_USER\\Software\\Wine\\X11 Driver]\r\n"Managed"="N"\r\n"Decorated"="N"\r\n\r\n'
        printf '[HKEY_CURRENT_USER\\Software\\Wine\\WineDbg]\r\n"ShowCrashDialog"=dword:00000000\r\n\r\n'
        printf '[HKEY_LOCAL_MACHINE\\Software\\Microsoft\\Windows NT\\CurrentVersion\\AeDebug]\r\n"Debugger"=-\r\n"Auto"="0"\r\n\r\n'
        printf '[HKEY_LOCAL_MACHINE\\Software\\Microsoft\\Windows NT\\CurrentVersion\\FontSubstitutes]\r\n'
        for face in "宋体" "SimSun" "新宋体" "NSimSun" "黑体" "SimHei" "微软雅黑" "Microsoft YaHei" "楷体" "KaiTi" "仿宋" "FangSong"; do
            printf '"%s"="%s"\r\n' "$face" "$font"
        done
        printf '\r\n'
    } | iconv -f UTF-8 -t UTF-16LE | { printf '\xff\xfe'; cat; } >"$reg"
    "$WINE_LOADER" regedit /S "Z:${reg//\//\\}" >/dev/null 2>&1
    "$WINE_SERVER" -w
    rm -f "$reg"
    if [ -x "$WINE_LOADER32" ]; then touch "$WINEPREFIX/.project-wow64"; fi
    touch "$stamp"
fi
# A prefix made before wine32 was installed has no 32-bit system folder yet: update it once,
# so the i686 build's programs find their 32-bit system libraries.
if [ -x "$WINE_LOADER32" ] && [ ! -f "$WINEPREFIX/.project-wow64" ]; then
    "$WINE_LOADER" wineboot --update >/dev/null 2>&1 || true
    "$WINE_SERVER" -w
    touch "$WINEPREFIX/.project-wow64"
fi
# A detached persistent server: later programs attach to it instead of starting their own.
setsid "$WINE_SERVER" -p >/dev/null 2>&1 </dev/null || true
# Start Wine's session services (and the desktop of this display) now, detached from any
# output pipe, so the first test does not leave them holding CTest's pipe.
"$WINE_LOADER" cmd.exe /c exit </dev/null >/dev/null 2>&1 || true
