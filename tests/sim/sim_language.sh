#!/usr/bin/env bash
# zelvano-sim's standard output is Japanese whatever the locale says, byte for byte, and English
# only when --language en asks for it; the league's files are the same in either language. Its
# standard error tells a damaged file's details in the desktop's language.
set -euo pipefail
sim="$1"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }
no_locale() { env -u LANGUAGE -u LC_ALL -u LC_MESSAGES -u LANG "$@"; }
english_locale() { env LANGUAGE=en LC_ALL=en_US.UTF-8 LANG=en_US.UTF-8 "$@"; }

# The same league three times: no locale, an English locale, and --language en.
run() {
    local name=$1
    shift
    mkdir "$work/$name"
    { "$@" --seed 12 --dir "$work/$name" new && "$@" --seed 12 --dir "$work/$name" play 30 &&
        "$@" --dir "$work/$name" show halloffame && "$@" --dir "$work/$name" show majors; } \
        > "$work/$name.out"
}
run plain no_locale "$sim"
run locale english_locale "$sim"
run english no_locale "$sim" --language en

cmp "$work/plain.out" "$work/locale.out" || fail "an English locale changed the standard output"
for name in locale english; do
    cmp "$work/plain/Jbball.Jdt" "$work/$name/Jbball.Jdt" || fail "the $name league file differs"
    cmp "$work/plain/JBBall.Mei" "$work/$name/JBBall.Mei" || fail "the $name hall of fame differs"
done
grep -q $'^question\tZelvano 2004\tGo on to year 31?\tno$' "$work/english.out" \
    || fail "--language en did not ask the year question in English"
# The titles of the messages hold no Japanese (the texts hold the league's names).
if grep -E $'^(message|question|input)\t' "$work/english.out" | cut -f 2 \
    | LC_ALL=C grep -q -P '[^\x00-\x7f]'; then
    fail "Japanese left in the English titles"
fi

# A damaged file's details on standard error follow the desktop's language, not --language.
mkdir "$work/damaged"
head -c 100 "$work/plain/Jbball.Jdt" > "$work/damaged/JBBALL.JDT"
no_locale "$sim" --dir "$work/damaged" play 1 2> "$work/err.ja" && fail "a damaged league was played"
english_locale "$sim" --language ja --dir "$work/damaged" play 1 2> "$work/err.en" && fail "played"
LC_ALL=C grep -q -P '[^\x00-\x7f]' "$work/err.ja" || fail "the damage is not told in Japanese"
LC_ALL=C grep -q -P '[^\x00-\x7f]' "$work/err.en" && fail "the damage is not told in English"

"$sim" --language xx show majors 2> "$work/err" && fail "an unknown language was accepted"
grep -q '^usage:' "$work/err" || fail "an unknown language does not print the usage"
echo "ok"
