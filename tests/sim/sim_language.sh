#!/usr/bin/env bash
# zelvano-sim's standard output is Japanese whatever the locale says, byte for byte, and English
# only when --language en asks for it; the league's files are the same in either language. Its
# standard error tells a damaged file's details in the desktop's language.
set -euo pipefail
sim="$1"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }
japanese_locale() { env -u LANGUAGE -u LC_ALL -u LC_MESSAGES -u LANG "$@"; }
english_locale() { env LANGUAGE=en LC_ALL=en_US.UTF-8 LC_MESSAGES=en_US.UTF-8 LANG=en_US.UTF-8 "$@"; }

# The same league three times: no locale, an English locale, and --language en.
run() {
    local name=$1
    shift
    mkdir "$work/$name"
    "$@" --seed 12 --dir "$work/$name" new > "$work/$name.new"
    "$@" --seed 12 --dir "$work/$name" play 30 > "$work/$name.out"
    for view in "roster 1" "halloffame" "majors" "personal 1 1"; do
        # shellcheck disable=SC2086
        "$@" --dir "$work/$name" show $view >> "$work/$name.out"
    done
}
run plain japanese_locale "$sim"
run locale english_locale "$sim"
run english japanese_locale "$sim" --language en

cmp "$work/plain.new" "$work/locale.new" || fail "an English locale changed new's output"
cmp "$work/plain.out" "$work/locale.out" || fail "an English locale changed the standard output"
for name in locale english; do
    cmp "$work/plain/Jbball.Jdt" "$work/$name/Jbball.Jdt" || fail "the $name league file differs"
    cmp "$work/plain/JBBall.Mei" "$work/$name/JBBall.Mei" || fail "the $name hall of fame differs"
done

grep -q $'^question\tZelvano 2004\t31年目に進みますか？\tno$' "$work/plain.out" \
    || fail "no Japanese year question"
grep -q $'^question\tZelvano 2004\tGo on to year 31?\tno$' "$work/english.out" \
    || fail "--language en did not ask the year question in English"
grep -q $'^message\tZelvano - Goodbye\tThanks for playing. Come back soon!$' "$work/english.out" \
    || fail "--language en did not say goodbye in English"
grep -q $'^report\tChampion: ' "$work/english.out" || fail "the report is not in English"
# The titles of the season's messages hold no Japanese (the texts hold the league's names).
if grep -E $'^(message|question|input)\t' "$work/english.out" | cut -f 2 \
    | LC_ALL=C grep -q -P '[^\x00-\x7f]'; then
    fail "Japanese left in the English titles"
fi

# A refusal's details on standard error follow the desktop's language, whatever --language says.
mkdir "$work/damaged"
head -c 100 "$work/plain/Jbball.Jdt" > "$work/damaged/JBBALL.JDT"
if japanese_locale "$sim" --dir "$work/damaged" play 1 > /dev/null 2> "$work/err.ja" ||
    english_locale "$sim" --language ja --dir "$work/damaged" play 1 > /dev/null 2> "$work/err.en"; then
    fail "a damaged league was played"
fi
LC_ALL=C grep -q -P '[^\x00-\x7f]' "$work/err.ja" || fail "the damage is not told in Japanese"
if LC_ALL=C grep -q -P '[^\x00-\x7f]' "$work/err.en"; then
    fail "the damage is not told in English in an English locale"
fi

if "$sim" --language xx --dir "$work/plain" show majors > /dev/null 2> "$work/err"; then
    fail "an unknown language was accepted"
fi
grep -q '^usage:' "$work/err" || fail "an unknown language does not print the usage"
"$sim" --help | grep -q -- '--language' || fail "--help does not tell of --language"
echo "ok"
