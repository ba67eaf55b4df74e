#!/usr/bin/env bash
# Says whether this machine runs 32-bit x86 code: assembles and runs a tiny static 32-bit
# program that exits with a known code. Prints the answer (or why not) on one line; exits 0
# when 32-bit code runs. PROJECT_NO_32BIT=1 answers no without probing, so the 64-bit-only
# path can be tried on any machine.
set -uo pipefail
export LC_ALL=C # the shell's complaint in English, whatever the caller's locale
if [ "${PROJECT_NO_32BIT:-}" = 1 ]; then
    echo "32-bit code not probed: PROJECT_NO_32BIT=1"
    exit 1
fi
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# exit(32) through the 32-bit system call gate.
printf '.globl _start\n_start:\n movl $1, %%eax\n movl $32, %%ebx\n int $0x80\n' >"$work/probe.s"
if ! as --32 -o "$work/probe.o" "$work/probe.s" 2>"$work/err" ||
    ! ld -m elf_i386 -static -o "$work/probe" "$work/probe.o" 2>>"$work/err"; then
    echo "32-bit code not probed: the 32-bit probe did not assemble: $(head -n 1 "$work/err")"
    exit 1
fi
"$work/probe" 2>"$work/err"
status=$?
if [ "$status" -ne 32 ]; then
    # The shell's complaint without its "file: line: path:" prefix, e.g. "Exec format error".
    reason=$(head -n 1 "$work/err")
    reason=${reason##*: }
    echo "this machine does not run 32-bit code (a 32-bit program ended with status $status${reason:+: $reason})"
    exit 1
fi
echo "this machine runs 32-bit code"
