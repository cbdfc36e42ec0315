#!/bin/bash
# A new language is files alone: a copy of the tree gets a made-up language
# "xx" by copying every English file of a language to its "xx" name and
# nothing else, and the build must pick it up everywhere: the programs speak
# it (every window renders as the English one, Marrowby's pictures
# included), and the menu entries, metadata and manual pages carry it.
#
#   new_language.sh SOURCE_DIR WORK_DIR
#
# WORK_DIR keeps the copy and its build, so a second run rebuilds only what
# changed.
set -euo pipefail
source_dir=$1 work=$2
tree=$work/tree build=$work/build
fail() { echo "FAIL: $*"; exit 1; }

mkdir -p "$tree"
# Modification times kept, so a rerun rebuilds only what changed.
(cd "$source_dir" && tar --exclude='./build*' --exclude=./.git -cf - .) | (cd "$tree" && tar -xf -)
added=()
while IFS= read -r english; do
    copy=$(sed -E 's/_en(\.|@)/_xx\1/; s|/en\.([a-z0-9.]+)$|/xx.\1|' <<<"$english")
    [ "$copy" != "$english" ] || fail "no language in the name of $english"
    sed 's/language="en"/language="xx"/' "$tree/$english" >"$tree/$copy.new"
    cmp -s "$tree/$copy.new" "$tree/$copy" 2>/dev/null && rm "$tree/$copy.new" || mv "$tree/$copy.new" "$tree/$copy"
    added+=("$copy")
done < <(cd "$tree" && find . \( -name '*_en.ts' -o -path '*/descriptions/en.cmake' \
    -o -path ./desktop/languages/en.cmake -o -path ./desktop/languages/en.6.in \
    -o -path '*/pictures/words/en.json' -o -path '*/pictures/*_en.jpg' -o -path '*/pictures/*_en@2x.jpg' \) |
    sed 's|^\./||' | sort)
echo "added ${#added[@]} files: ${added[*]}"

cmake -S "$tree" -B "$build" -G Ninja -DBUILD_TESTING=OFF -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$build" --target screenshots manual_pages >/dev/null

mapfile -t games < <(grep -vE '^\s*(#|$)' "$tree/games/list.txt" | tr -d '[:blank:]')
for game in "${games[@]}"; do
    entry=$(ls "$build"/desktop/applications/*."${game^}".desktop)
    grep -q '^Comment\[xx\]=' "$entry" || fail "$entry has no Comment[xx]"
    grep -q '^Keywords\[xx\]=' "$entry" || fail "$entry has no Keywords[xx]"
    grep -q 'xml:lang="xx"' "$build"/desktop/metainfo/*."${game^}".metainfo.xml ||
        fail "no xml:lang=\"xx\" in $game's metadata"
    grep -q '<lang>xx</lang>' "$build"/desktop/metainfo/*."${game^}".metainfo.xml ||
        fail "$game's metadata does not list xx among its languages"
    [ -f "$build/desktop/man/xx/man6/$game.6.gz" ] || fail "no manual page xx/man6/$game.6.gz"
done

shots=$work/screenshots
rm -rf "$shots"
QT_QPA_PLATFORM=offscreen "$build/tools/screenshots/screenshots" "$shots" en xx 2>/dev/null ||
    fail "the screenshot tool does not speak xx"
count=0
for english in "$shots"/*-en.png; do
    made_up=${english%-en.png}-xx.png
    cmp -s "$english" "$made_up" || fail "$(basename "$made_up") differs from $(basename "$english")"
    count=$((count + 1))
done
[ "$count" -gt 0 ] || fail "no windows rendered"
echo "xx: $count windows as in English, menu entries, metadata and manual pages for ${#games[@]} games"
