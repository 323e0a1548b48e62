#!/usr/bin/env bash
# The house rules of the source tree, checked on every test run:
#  - the toolkit lives in the window rooms (src/frame, src/help) and in folders named qt/;
#    everywhere else "no Qt here" holds;
#  - the dialogs and the presentation stand below the frame: nothing outside src/frame
#    includes a header of it;
#  - a folder without Qt (the game, the ways of playing in src/play, the simulator's game
#    driver...) reaches no Qt through a header of a qt/ folder either.
set -u
src="${1:?usage: check_layout.sh SOURCE_DIR}/src"
fail=0
while IFS= read -r f; do
    case "$f" in
        "$src"/frame/* | "$src"/help/* | */qt/*) continue ;;
    esac
    if grep -nE '^\s*#\s*include\s*<Q' "$f"; then
        echo "Qt used outside a qt/ folder: $f"
        fail=1
    fi
    if grep -nE '^\s*#\s*include\s*"[a-z_]+/qt/' "$f"; then
        echo "a qt/ header included where there is no Qt: $f"
        fail=1
    fi
done < <(find "$src" -name '*.cpp' -o -name '*.h')
if grep -rnE '^\s*#\s*include\s*"frame/' "$src" --include='*.h' --include='*.cpp' | grep -v "^$src/frame/"; then
    echo "a header of the frame included from below it"
    fail=1
fi
[ $fail -eq 0 ] && echo "layout: Qt only in window rooms and qt/ folders, none reached from elsewhere, nothing points up at the frame"
exit $fail
