#!/usr/bin/env bash
# program_check.sh OBJDUMP BRISEL_EXE
# brisel.exe as it ships: within 64 KiB, importing system DLLs only.
set -euo pipefail
objdump=$1 program=$2
size=$(stat -c %s "$program")
status=0
if [ "$size" -gt 65536 ]; then
  echo "program_check: brisel.exe is $size bytes, more than 64 KiB" >&2
  status=1
fi
system='^(ADVAPI32|COMDLG32|KERNEL32|msvcrt|ole32|SHELL32|SHLWAPI|USER32)\.dll$'
while read -r dll; do
  if ! grep -qiE "$system" <<<"$dll"; then
    echo "program_check: brisel.exe imports $dll, which is not a system DLL" >&2
    status=1
  fi
done < <("$objdump" -p "$program" | sed -n 's/^\s*DLL Name: //p')
[ "$status" = 0 ] && echo "program_check: $size bytes, system DLLs only"
exit "$status"
