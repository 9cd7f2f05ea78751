#!/usr/bin/env bash
# The program answers --help, --version and an unknown option on the
# console, without a display, and with the exit status a shell expects.
#   command_line.sh AQUAMERE VERSION
# AQUAMERE_RUN names a program that runs it (Wine, for the Windows build).
set -u
program=$1 version=$2
if [ -z "${AQUAMERE_RUN:-}" ]; then
  unset DISPLAY WAYLAND_DISPLAY
  export QT_QPA_PLATFORM=xcb  # a platform that cannot start here: no window may be tried
fi
fail() { echo "$*" >&2; exit 1; }
run() { if [ -n "${AQUAMERE_RUN:-}" ]; then "$AQUAMERE_RUN" "$program" "$@"; else "$program" "$@"; fi; }

out=$(run --help) || fail "--help exited $?"
[[ $out == *用法：* && $out == *--export-book* && $out == *--version* ]] || fail "--help printed: $out"
out=$(run --version) || fail "--version exited $?"
# Wine may say something of its own before the program's line.
[ "$(printf '%s\n' "$out" | tail -n 1 | tr -d '\r')" = "Aquamere $version" ] || fail "--version printed: $out"
errors=$(run --no-such-option 2>&1)
status=$?
[ $status -eq 2 ] || fail "an unknown option exited $status"
[[ $errors == *"“--no-such-option”"* && $errors == *用法：* ]] || fail "an unknown option said: $errors"
echo "the command line is answered without a display"
