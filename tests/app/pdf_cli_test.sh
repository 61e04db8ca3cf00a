#!/usr/bin/env bash
# `ferdix --pdf` as a user runs it, without a display: pdf_cli_test.sh FERDIX CLAIMS_DIR CASE
# The PDF is read back with poppler's pdfinfo, pdffonts and pdftotext.
set -uo pipefail
ferdix=$1
claims=$2
case_name=$3
unset DISPLAY WAYLAND_DISPLAY QT_QPA_PLATFORM
work=$(mktemp -d)
trap 'chmod -R u+w "$work"; rm -rf "$work"' EXIT
# The rate files are looked up in the user's own folder and the system folders before the
# program's: none of the runner's may take part.
export XDG_CONFIG_HOME="$work/config" XDG_CONFIG_DIRS="$work/xdg"

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

# Runs ferdix with the given arguments; sets rc, out and err.
run() {
    "$@" >"$work/stdout" 2>"$work/stderr"
    rc=$?
    out=$(cat "$work/stdout")
    err=$(cat "$work/stderr")
}

expect_rc() {
    [ "$rc" -eq "$1" ] || fail "exit code $rc, expected $1; stderr: $err"
}

# Every pattern must match one line of the layout text, in which the texts of a printed line
# stand in their order from left to right.
expect_lines() {
    local text=$1
    shift
    for pattern in "$@"; do
        grep -Eq -- "$pattern" <<<"$text" || fail "no line matches: $pattern"
    done
}

# A copy of the program with its own settings beside it, as an installation in another folder.
install_copy() {
    local name=$1
    mkdir -p "$work/prog"
    cp "$ferdix" "$work/prog/$name"
    # The window and --pdf come from the module beside the program.
    cp "$(dirname "$ferdix")/ferdix_desktop.so" "$work/prog/"
    sed 's/^SatserGyldigFra=.*/SatserGyldigFra=01.02.2026/' "$(dirname "$ferdix")/ferdix.ini" \
        >"$work/prog/ferdix.ini"
    sed 's/^SatserGyldigFra=.*/SatserGyldigFra=15.01.2026/' "$(dirname "$ferdix")/land.ini" \
        >"$work/prog/land.ini"
    echo "$work/prog/$name"
}

case $case_name in
writes_the_form)
    run "$ferdix" --pdf "$work/reise.pdf" "$claims/full_claim.tur"
    expect_rc 0
    [ -z "$err$out" ] || fail "unexpected output: $out $err"
    head -c 5 "$work/reise.pdf" | grep -q '%PDF-' || fail "not a PDF"
    pdfinfo "$work/reise.pdf" | grep -Eq '^Pages: +2$' || fail "not two pages"
    pdfinfo "$work/reise.pdf" | grep -Eq '^Page size: +595(\.[0-9]+)? x 842(\.[0-9]+)? pts \(A4\)' ||
        fail "not A4"
    # The form's faces, embedded, and no stand-in.
    fonts=$(pdffonts "$work/reise.pdf" | tail -n +3 | awk '{print $1, $(NF-4)}' | sort)
    expected=$'LiberationMono yes\nLiberationSans yes\nLiberationSans-Bold yes\nLiberationSerif yes'
    [ "$fonts" = "$expected" ] || fail "fonts: $fonts"
    text=$(pdftotext -layout "$work/reise.pdf" -)
    expect_lines "$text" \
        '^ +Reiseregning *$' 'Tovrand +nummer' \
        'fornavn +Kari Nordmann +\(11 siffer\) +010170 12345 +R/N' \
        'Privatadresse +Storgata 1 +0301 +Oslo' \
        'Stilling +Rådgiver +6001\.12\.34567' \
        'institusjon +Statens vegvesen +tj\.sted +Region øst +nummer +1234' \
        '4711 +kommune +Oslo +nummer +0301 +prosent +36\.5 +Utreise +05\.03\.06 +07:30' \
        'timer +614 +1085 +2,50 +510,00 +1275,00' \
        'timer +610 +1087 +3 +590,00 +1770,00' \
        '0-9000 km +104 +3,50 +364,00' \
        'Til sammen +1025744,00' \
        'BRUTTO REISEREGNING +1025594,00 +1234\.56\.789' \
        "$(date +%d\\.%m\\.%y)" \
        'X-0095 B \(Godkj\. 06-2005\) Elektr\. utgave v 2\.3 +For regnskapsføreren: +1\) Kode: SD 712/TT 1047 2\) SD 152/TT 1054' \
        'Brukte satser: Innenlands per 01\.03\.2010; utenlands per 01\.01\.2011' \
        '05\.03\.06 +07:30 +Oslo +Bergen +08:25 +Fly +0 +NOK +0,00 +0,00 +1450,00' \
        '06\.03\.06 +Bergen +Voss +Bil +104 +NOK +0,00 +0,00 +0,00' \
        '07\.03\.06 +16:00 +Voss +Stockholm +18:00 +Tog' \
        'Parkering Gardermoen +NOK +0,00 +0,00 +150,00' \
        '06\.03\.06 +Middag på Voss +EUR +45,00 +8,10 +364,50' \
        'Reiseutlegg - overføres til forsiden, TT-kode 1041' \
        '1022335,00 *$' \
        'pensjonat e\.a\. \(ikke privat\) +Hotell Bergen, Bryggen 3' \
        'Første linje' 'Tredje linje'
    ;;
unreadable_claim)
    run "$ferdix" --pdf "$work/reise.pdf" "$claims/finnes-ikke.tur"
    expect_rc 1
    grep -q 'ferdix: Finner ikke filen «.*finnes-ikke.tur»' <<<"$err" || fail "stderr: $err"
    [ ! -e "$work/reise.pdf" ] || fail "a PDF was written"
    mkdir "$work/mappe.tur"
    run "$ferdix" --pdf "$work/reise.pdf" "$work/mappe.tur"
    expect_rc 1
    grep -q 'er en mappe, ikke en reiseregning' <<<"$err" || fail "stderr: $err"
    ;;
unwritable_target)
    printf 'gammel' >"$work/lest.pdf"
    chmod a-w "$work/lest.pdf"
    run "$ferdix" --pdf "$work/lest.pdf" "$claims/full_claim.tur"
    expect_rc 1
    grep -q 'ferdix: Kan ikke skrive PDF-filen «.*lest.pdf»' <<<"$err" || fail "stderr: $err"
    [ "$(cat "$work/lest.pdf")" = gammel ] || fail "the old file changed"
    run "$ferdix" --pdf "$work/finnes-ikke/reise.pdf" "$claims/full_claim.tur"
    expect_rc 1
    grep -q 'ferdix: Kan ikke skrive PDF-filen «.*finnes-ikke/reise.pdf»' <<<"$err" ||
        fail "stderr: $err"
    [ ! -e "$work/finnes-ikke" ] || fail "the folder was made"
    # Nothing is left behind in a folder the PDF could not be written to.
    mkdir "$work/lest"
    printf 'gammel' >"$work/lest/reise.pdf"
    chmod a-w "$work/lest"
    run "$ferdix" --pdf "$work/lest/reise.pdf" "$claims/full_claim.tur"
    expect_rc 1
    [ "$(ls -A "$work/lest")" = reise.pdf ] || fail "left: $(ls -A "$work/lest")"
    [ "$(cat "$work/lest/reise.pdf")" = gammel ] || fail "the old file changed"
    ;;
nynorsk)
    run "$ferdix" --pdf "$work/reise.pdf" --nynorsk "$claims/full_claim.tur"
    expect_rc 0
    text=$(pdftotext -layout "$work/reise.pdf" -)
    expect_lines "$text" '^ +Reiserekning *$' 'Brukar-' 'Etternamn og' 'BRUTTO REISEREKNING' \
        'Brukte satsar: Innanlands per 01\.03\.2010; utanlands per 01\.01\.2011' \
        'Utlegg til hotell, mat o\.l\.'
    ! grep -q 'Reiseregning' <<<"$text" || fail "bokmål in the nynorsk form"
    # A program whose name ends in "n" prints nynorsk, with the rate dates beside it.
    nynorsk=$(install_copy ferdixn)
    run "$nynorsk" --pdf "$work/n.pdf" "$claims/full_claim.tur"
    expect_rc 0
    text=$(pdftotext -layout "$work/n.pdf" -)
    expect_lines "$text" 'Reiserekning' \
        'Brukte satsar: Innanlands per 01\.02\.2026; utanlands per 15\.01\.2026'
    # So does a link of that name; the settings are those beside the program it points to.
    mkdir "$work/link"
    ln -s "$(readlink -f "$ferdix")" "$work/link/ferdixn"
    run "$work/link/ferdixn" --pdf "$work/l.pdf" "$claims/full_claim.tur"
    expect_rc 0
    text=$(pdftotext -layout "$work/l.pdf" -)
    expect_lines "$text" 'Reiserekning' \
        'Brukte satsar: Innanlands per 01\.03\.2010; utanlands per 01\.01\.2011'
    run "$nynorsk" --pdf "$work/b.pdf" --bokmal "$claims/full_claim.tur"
    expect_rc 0
    text=$(pdftotext -layout "$work/b.pdf" -)
    expect_lines "$text" 'Reiseregning' \
        'Brukte satser: Innenlands per 01\.02\.2026; utenlands per 15\.01\.2026'
    # The standard the command names is all it changes: the user's date order still holds,
    # and nothing of it is kept for the next run.
    mkdir -p "$work/config/ferdix"
    printf '[Oppsett]\r\nDatoformat=YYMMDD\r\n' >"$work/config/ferdix/reisende.ini"
    cp "$work/config/ferdix/reisende.ini" "$work/profile-before"
    run "$ferdix" --pdf "$work/y.pdf" --nynorsk "$claims/full_claim.tur"
    expect_rc 0
    text=$(pdftotext -layout "$work/y.pdf" -)
    expect_lines "$text" 'Reiserekning' '36\.5 +Utreise +2006\.03\.05 +07:30'
    cmp -s "$work/config/ferdix/reisende.ini" "$work/profile-before" || fail "profile changed"
    run "$ferdix" --pdf "$work/z.pdf" "$claims/full_claim.tur"
    expect_rc 0
    text=$(pdftotext -layout "$work/z.pdf" -)
    expect_lines "$text" '^ +Reiseregning *$' '36\.5 +Utreise +2006\.03\.05 +07:30'
    ! grep -q 'Reiserekning' <<<"$text" || fail "nynorsk in the next run"
    ;;
usage)
    run "$ferdix" --pdf "$work/reise.pdf"
    expect_rc 2
    grep -q 'Bruk: ferdix --pdf' <<<"$err" || fail "stderr: $err"
    run "$ferdix" --help
    expect_rc 0
    grep -q -- '--pdf UT.pdf \[--bokmal | --nynorsk\] REISEREGNING.tur' <<<"$out" || fail "help: $out"
    ;;
not_regular_files)
    # Refused at once, as the window refuses them: a FIFO nobody writes, a device without end.
    mkfifo "$work/rør.tur"
    ln -s /dev/zero "$work/null.tur"
    for claim in "$work/rør.tur" "$work/null.tur" /dev/zero; do
        run timeout 30 "$ferdix" --pdf "$work/reise.pdf" "$claim"
        expect_rc 1
        grep -q "ferdix: «$claim» er ikke en vanlig fil" <<<"$err" || fail "stderr: $err"
        run timeout 30 "$ferdix" --json "$claim"
        expect_rc 1
        grep -q "ferdix: «$claim» er ikke en vanlig fil" <<<"$err" || fail "stderr: $err"
    done
    [ ! -e "$work/reise.pdf" ] || fail "a PDF was written"
    # The PDF replaces a regular file only: a FIFO in its place stays, and nothing waits on it.
    mkfifo "$work/ut.pdf"
    run timeout 30 "$ferdix" --pdf "$work/ut.pdf" "$claims/full_claim.tur"
    expect_rc 1
    grep -q "ferdix: «$work/ut.pdf» er ikke en vanlig fil" <<<"$err" || fail "stderr: $err"
    [ -p "$work/ut.pdf" ] || fail "the FIFO was replaced"
    [ "$(ls -A "$work" | grep -c '^\.ut')" = 0 ] || fail "left: $(ls -A "$work")"
    ;;
damaged_claim)
    # Read as far as it goes, printed, said on stderr, and an exit code of its own.
    head -n 62 "$claims/full_claim.tur" >"$work/kort.tur"
    run "$ferdix" --pdf "$work/reise.pdf" "$work/kort.tur"
    expect_rc 3
    grep -q "^Skadet reiseregning: Reiseregningen" <<<"$err" || fail "stderr: $err"
    grep -q "Filen slutter i «godtgjøringene»" <<<"$err" || fail "stderr: $err"
    head -c 5 "$work/reise.pdf" | grep -q '%PDF-' || fail "no PDF"
    run "$ferdix" --json "$work/kort.tur"
    expect_rc 3
    grep -q '"Navn": "Kari Nordmann"' <<<"$out" || fail "json: $out"
    grep -q "Filen slutter i «godtgjøringene»" <<<"$err" || fail "stderr: $err"
    ;;
no_test_hooks)
    # The program the package holds carries none of the test hooks, whatever the environment
    # says; the tests' own build beside it does.
    module=$(dirname "$ferdix")/ferdix_desktop.so
    hooked=$(dirname "$ferdix")/../../hooked/ferdix_desktop.so
    for f in "$ferdix" "$module"; do
        ! grep -aq 'FERDIX_TEST_' "$f" || fail "$f holds a test hook"
    done
    grep -aq 'FERDIX_TEST_REPORT' "$hooked" || fail "the hooked module has no hooks"
    QT_QPA_PLATFORM=offscreen FERDIX_EXIT_AFTER_SHOW=1 FERDIX_TEST_REPORT="$work/report" \
        FERDIX_TEST_EDITS="1001=x" FERDIX_TEST_ANSWERS=ja HOME="$work" XDG_CONFIG_HOME="$work/config" \
        run timeout 60 "$ferdix" "$claims/full_claim.tur"
    expect_rc 0
    [ ! -e "$work/report" ] || fail "a report was written"
    ;;
without_desktop_module)
    # The program alone: --json needs nothing more, the window and --pdf say what is missing.
    mkdir -p "$work/alone"
    cp "$ferdix" "$work/alone/ferdix"
    run "$work/alone/ferdix" --json "$claims/full_claim.tur"
    expect_rc 0
    grep -q '"reisespesifikasjoner"' <<<"$out" || fail "json: $out"
    run "$work/alone/ferdix" --pdf "$work/reise.pdf" "$claims/full_claim.tur"
    expect_rc 1
    grep -q 'ferdix: kan ikke laste skrivebordsdelen (.*ferdix_desktop.so' <<<"$err" ||
        fail "stderr: $err"
    [ ! -e "$work/reise.pdf" ] || fail "a PDF was written"
    QT_QPA_PLATFORM=offscreen run "$work/alone/ferdix"
    expect_rc 1
    grep -q 'kan ikke laste skrivebordsdelen' <<<"$err" || fail "stderr: $err"
    ;;
*)
    fail "no case $case_name"
    ;;
esac
echo "ok $case_name"
