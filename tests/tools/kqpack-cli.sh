#!/usr/bin/env bash
# kqpack used as a user uses it: each command line with the exit code and
# the message it must give, in a scratch folder of its own.
set -uo pipefail
kqpack=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work" || exit 1
printf 'upper' >A.txt
printf 'lower' >a.txt
printf 'one' >one.bin
printf 'device' >con.txt
mkdir sub out && printf 'deep' >sub/one.bin

failures=0
# expect CODE TEXT ARGS...: runs kqpack ARGS and checks the exit code and
# that TEXT appears in what it printed.
expect() {
  local code=$1 text=$2
  shift 2
  local output status
  output=$("$kqpack" "$@" 2>&1)
  status=$?
  if [[ $status -ne $code || $output != *"$text"* ]]; then
    echo "FAIL: kqpack $* -> exit $status, wanted $code and \"$text\"; printed:"
    echo "$output"
    failures=$((failures + 1))
  fi
}

expect 2 "-o needs a folder" pack kq 1 one.bin -o
expect 2 "folder \"missing\" does not exist" pack kq 1 one.bin -o missing
expect 2 "-o is given twice" pack kq 1 one.bin -o out -o out
expect 2 "unknown option \"-x\"" verify kq -x
expect 2 "unknown command" unpack kq
expect 0 "Exit codes:" --help
expect 0 "Exit codes:" pack --help
expect 0 "2  usage error" verify kq -d out --help
expect 0 "0  ok" -h
expect 1 "has a folder part" pack kq 1 sub/one.bin -o out
expect 1 "\"A.txt\" and \"a.txt\" are one file on Windows" pack kq 1 A.txt a.txt -o out
expect 1 "ends in a digit" pack kq1 1 one.bin -o out
expect 1 "device name" pack kq 1 con.txt -o out
[[ -z $(ls out) ]] || { echo "FAIL: refused packs wrote $(ls out)"; failures=$((failures + 1)); }
expect 0 "kq: 1 file(s) in 2 pieces" pack kq 1 one.bin -o out
expect 0 "kq: ok, version 1, 2 pieces" verify kq -d out
expect 0 "chunks end at 3" list kq -d out
exit $((failures > 0))
