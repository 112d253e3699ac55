#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# velomark's command line as a person at a terminal without a display meets it: --help and
# --version answer and exit 0, anything else that is not Qt's is refused with status 2, and a
# plain start says how to get a display.
#   command_line.sh PROGRAM VERSION CASE     (CASE: help, version, refused, no-display)
set -uo pipefail
program=$1
version=$2
case_name=$3

unset DISPLAY WAYLAND_DISPLAY QT_QPA_PLATFORM
out=$(mktemp)
err=$(mktemp)
trap 'rm -f "$out" "$err"' EXIT

fail() {
    echo "FAIL: $*" >&2
    echo "--- standard output:" >&2
    cat "$out" >&2
    echo "--- standard error:" >&2
    cat "$err" >&2
    exit 1
}
# Runs the program with the given arguments and checks its exit status.
expect_status() {
    local want=$1 status
    shift
    timeout 10 "$program" "$@" >"$out" 2>"$err"
    status=$?
    [ "$status" -eq "$want" ] || fail "velomark $* ended with status $status, not $want"
}
says() { grep -qF -- "$2" "$1"; }

case $case_name in
help)
    for option in --help -h; do
        expect_status 0 "$option"
        says "$out" "Usage: velomark [options]" || fail "$option prints no usage line"
        says "$out" "--version" || fail "$option does not name --version"
        says "$out" "gear tables" || fail "$option leaves a calculator out"
        says "$out" "xvfb-run -a velomark" || fail "$option does not say how to run without a display"
        [ -s "$err" ] && fail "$option wrote to standard error"
    done
    ;;
version)
    for arguments in --version -v "-style fusion --version" "-platform offscreen -v"; do
        # shellcheck disable=SC2086 # each case is a list of words
        expect_status 0 $arguments
        head -n 1 "$out" | grep -qx "Velomark (Lite) ${version//./\\.} (Qt [0-9.]*)" ||
            fail "velomark $arguments does not begin with 'Velomark (Lite) $version (Qt ...)'"
        says "$out" "GNU GPL version 3 or later" || fail "velomark $arguments names no licence"
        [ -s "$err" ] && fail "velomark $arguments wrote to standard error"
    done
    ;;
refused)
    for arguments in --bogus -x "-help-me" stray "-- --help" "-platform" "--version=2"; do
        # shellcheck disable=SC2086
        expect_status 2 $arguments
        says "$err" "velomark: " || fail "velomark $arguments: the refusal does not name the program"
        says "$err" "Try 'velomark --help'" || fail "velomark $arguments: the refusal does not point to --help"
        [ -s "$out" ] && fail "velomark $arguments wrote to standard output"
    done
    expect_status 2 --bogus
    says "$err" "Unknown option 'bogus'" || fail "the refusal does not name the unknown option"
    ;;
no-display)
    expect_status 1
    says "$err" "needs a graphical display" || fail "a start without a display does not say why it stops"
    says "$err" "xvfb-run -a" || fail "a start without a display does not say what to do"
    ;;
*)
    fail "no case called $case_name"
    ;;
esac
echo "ok: $case_name"
