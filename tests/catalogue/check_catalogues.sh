#!/usr/bin/env bash
# check_catalogues.sh SOURCE_DIR POT: fails when a Japanese text in the code is not marked for
# the catalogue (translated, textToTranslate, uiText, …) nor as the files' data (dataText), or
# when a catalogue in po/ misses a text of the code, leaves one untranslated or fuzzy, or keeps
# one the code no longer has.
set -euo pipefail
source_dir=$1
pot=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
status=0

# Every msgid of a .po or .pot file, one per line (continuation lines joined, header left out).
msgids() {
    perl -ne '
        s/^#~ //;
        if (/^msgctxt "(.*)"$/) { $ctxt = "$1\x04"; next }
        if (/^msgid "(.*)"$/) { $id = $1; $in = 1; next }
        if ($in && /^"(.*)"$/) { $id .= $1; next }
        if ($in) { print "$ctxt$id\n" if length $id; $in = 0; $ctxt = "" }
        END { print "$ctxt$id\n" if $in && length $id }' "$1" | sort -u
}

cd "$source_dir"
mapfile -t sources < <(find src -name "*.cpp" -o -name "*.h" | sort)
# Files the check leaves out, each with its reason.
mapfile -t pending < <(grep -v "^#" tests/catalogue/unchecked_sources.txt || true)
mapfile -t checked < <(printf "%s\n" "${sources[@]}" | grep -vxF -f <(printf "%s\n" "${pending[@]}" "-"))
xgettext --from-code=UTF-8 --language=C++ --no-wrap --extract-all -o "$work/all.pot" "${checked[@]}" 2>/dev/null
xgettext --from-code=UTF-8 --language=C++ --no-wrap -o "$work/marked.pot" \
    --keyword=translated:1 --keyword=translatedIn:2 --keyword=translatedCount:1,2 \
    --keyword=textToTranslate:1 --keyword=uiText:1 --keyword=uiTextIn:2 --keyword=dataText:1 \
    "${sources[@]}"
# A plural's second form is a msgid_plural in marked.pot, but a text of its own in all.pot.
perl -ne 'print "$1\n" if /^msgid_plural "(.*)"$/' "$work/marked.pot" | sort -u >"$work/plurals"
msgids "$work/all.pot" | LC_ALL=C grep -P '[^\x00-\x7f]' >"$work/japanese" || true
{ msgids "$work/marked.pot" | sed 's/^.*\x04//'; cat "$work/plurals"; } | sort -u >"$work/marked"
LC_ALL=C comm -23 "$work/japanese" "$work/marked" >"$work/unmarked"
if [ -s "$work/unmarked" ]; then
    echo "Japanese texts in the code that are neither marked for translation nor dataText:"
    while IFS= read -r text; do
        grep -rnF -- "\"$text" src | head -1 || echo "  $text"
    done <"$work/unmarked"
    status=1
fi

for po in po/*.po; do
    msgmerge --quiet --no-fuzzy-matching --no-wrap "$po" "$pot" -o "$work/merged.po"
    for kind in untranslated only-fuzzy only-obsolete; do
        msgattrib --no-wrap --"$kind" "$work/merged.po" -o "$work/$kind.po" 2>/dev/null || true
        if [ -s "$work/$kind.po" ] && [ -n "$(msgids "$work/$kind.po")" ]; then
            case $kind in
                untranslated) what="has no translation of" ;;
                only-fuzzy) what="marks as fuzzy" ;;
                only-obsolete) what="keeps texts the code no longer has" ;;
            esac
            echo "$po $what:"
            msgids "$work/$kind.po" | sed 's/^/  /'
            status=1
        fi
    done
done
exit $status
