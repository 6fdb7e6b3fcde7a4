#!/usr/bin/env bash
# compare_inspect.sh HOST_INSPECT WINDOWS_INSPECT WRITE_CORPUS_EXE
# Runs the host brisel-inspect and brisel-inspect.exe (under Wine) on the same
# archives by the same relative paths, with and without --all, and fails
# unless they print the same lines (CRLF line ends allowed on Windows) and
# end with the same exit status.
set -euo pipefail

host=$1 windows=$2 writer=$3
if [ ! -x "$host" ]; then
  echo "compare_inspect: the host tool $host is missing; build the host preset first" \
       "(cmake --preset host && cmake --build build/host) or set BRISEL_HOST_INSPECT" >&2
  exit 1
fi
: "${WINE_RUN:?}" "${WINEPREFIX_DIR:?}"

work=inspect-compare
rm -rf "$work"
mkdir -p "$work/corpus"
cd "$work"
"$WINE_RUN" "$WINEPREFIX_DIR" "$writer" corpus

# Archives made by a real archiver, one per level.
for command in c0 c1 c2q; do
  mkdir "src-$command"
  (cd "src-$command" && for m in README.TXT INDEX.TXT DOLL.CNF song.mid; do echo "$m" > "$m"; done &&
   jlha "$command" "../corpus/jlha-$command.lzh" README.TXT INDEX.TXT DOLL.CNF song.mid >/dev/null)
done

files=(corpus/*.lzh missing.lzh corpus)  # a directory cannot be opened either
[ "${#files[@]}" -gt 30 ] || { echo "compare_inspect: only ${#files[@]} archives written" >&2; exit 1; }
failed=0
for mode in default --all; do
  args=()
  [ "$mode" = --all ] && args=(--all)
  host_status=0 windows_status=0
  "$host" "${args[@]}" "${files[@]}" > "host-$mode.txt" 2>/dev/null || host_status=$?
  "$WINE_RUN" "$WINEPREFIX_DIR" "$windows" "${args[@]}" "${files[@]}" > "windows-$mode.raw" 2>/dev/null ||
    windows_status=$?
  sed 's/\r$//' "windows-$mode.raw" > "windows-$mode.txt"
  if ! cmp -s "host-$mode.txt" "windows-$mode.txt"; then
    echo "compare_inspect: outputs differ ($mode):" >&2
    diff "host-$mode.txt" "windows-$mode.txt" | head -20 >&2 || true
    failed=1
  fi
  if [ "$host_status" != 1 ] || [ "$windows_status" != 1 ]; then
    echo "compare_inspect: exit status host $host_status, windows $windows_status; 1 expected ($mode)" >&2
    failed=1
  fi
done
[ "$failed" = 0 ] && echo "compare_inspect: same lines for ${#files[@]} archives, with and without --all"
exit "$failed"
