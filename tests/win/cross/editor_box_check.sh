#!/bin/sh
# A box that the editor built under Wine, saved by velmora.dll, read by the
# native build's tool: both builds must see the same brushes.
# editor_box_check.sh WINE_RUN WRITER_EXE NATIVE_TOOL WORK_DIR EXPECTED
set -eu
wine_run=$1 writer=$2 tool=$3 work=$4 expected=$5

if [ ! -x "$tool" ]; then
    echo "no native tool at $tool: build the native preset first" >&2
    exit 1
fi
rm -rf "$work"
mkdir -p "$work"
# Wine maps / to drive Z:.
folder="Z:$work"
"$wine_run" "$writer" "$folder"
"$tool" box show "$work/edited.dat" >"$work/shown.txt"
diff -u "$expected" "$work/shown.txt"
