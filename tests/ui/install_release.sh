#!/usr/bin/env bash
# install_release.sh WINE_RUN PREFIX ZIP
# A fresh Wine prefix with the release zip unpacked into C:\ソフト (x86)\Brisel 1.x,
# as a user unpacks it: the zip's folder brisel-VERSION lands inside. Python's
# zipfile reads the zip, a reader independent of the one that wrote it.
set -euo pipefail

wine_run=$1 prefix=$2 zip=$3
if [ ! -f "$zip" ]; then
  echo "install_release: $zip is missing; make it with scripts/release" >&2
  exit 1
fi
"$wine_run" "$prefix" --stop
rm -rf "$prefix" "$prefix.lock"
"$wine_run" "$prefix" --boot
python3 -m zipfile -e "$zip" "$prefix/drive_c/ソフト (x86)/Brisel 1.x"
echo "install_release: $(basename "$zip") unpacked into C:\\ソフト (x86)\\Brisel 1.x"
