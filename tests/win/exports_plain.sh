#!/bin/sh
# Fails unless each NAME stands in the DLL's export table undecorated, as the
# host's help manager looks the help-table functions up.
# usage: exports_plain.sh OBJDUMP DLL NAME...
objdump=$1
dll=$2
shift 2
table=$("$objdump" -p "$dll") || exit 1
for name in "$@"; do
    if ! printf '%s\n' "$table" | grep -Eq "^[[:space:]]*\[ *[0-9]+\] $name\$"; then
        echo "$name is not exported under its plain name" >&2
        exit 1
    fi
    echo "$name exported plain"
done
