#!/usr/bin/env bash
# Brings translations/*.ts up to date with the desktop program's texts
# (app/), keeping the translations already made. Run by hand after changing
# a text; the build only compiles the .ts files. New or changed texts come
# out unfinished until translated (Qt Linguist, or by editing the file), and
# the test of the translations fails until then.
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
lupdate=${LUPDATE:-/usr/lib/qt6/bin/lupdate}
cd "$root"
for ts in translations/umbrant_*.ts; do
    language=$(basename "$ts" .ts)
    language=${language#umbrant_}
    "$lupdate" -I . app -source-language fr -target-language "$language" -no-obsolete -locations none -ts "$ts"
done
