# Sourced by the scripts that run Windows programs: one private Wine prefix in the
# project's cache folder, the Chinese code page, and no debug chatter.
project_root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
export WINEPREFIX=${WINEPREFIX:-$project_root/.cache/wineprefix}
export WINEARCH=win64
export WINEDEBUG=${WINEDEBUG:--all}
export WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-mscoree,mshtml=}
export LC_ALL=zh_CN.UTF-8
export WINE_LOADER=/usr/lib/wine/wine64
export WINE_SERVER=/usr/lib/wine/wineserver
