#!/bin/sh
# The host program end to end, its box made and read back by the native tool:
# host_e2e_check.sh WINE_RUN TEST_EXE NATIVE_TOOL SAMPLE_DIR WORK_DIR EXPECTED
set -eu
wine_run=$1 test_exe=$2 tool=$3 sample=$4 work=$5 expected=$6

rm -rf "$work"
mkdir -p "$work"
"$tool" box import "$sample/palettes.json" -o "$work/box.dat"
# Bad files: a box cut short, a page that is no map, a town CSV with 2001-02-30.
head -c 100000 "$work/box.dat" >"$work/truncated.dat"
echo '<?xml version="1.0"?><html><body/></html>' >"$work/notamap.xml"
cp "$sample/town.xml" "$work/badrows.xml"
sed '/^1-3,/s/,,/,2001-02-30,/' "$sample/town.csv" >"$work/badrows.csv"
# Wine maps / to drive Z:.
VELMORA_HOST_WORK="Z:$work" "$wine_run" "$test_exe"
# The palette made in the program, as the native build reads it.
"$tool" box show "$work/box.dat" --codes "$sample/codes.csv" | sed -n '1p;/^#7 /,$p' >"$work/shown.txt"
diff -u "$expected" "$work/shown.txt"
