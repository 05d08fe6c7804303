#!/usr/bin/env bash
# The layer check passes on the sources as they are, and fails once a bottom-layer file
# includes a stage.
set -euo pipefail
src="$1"
"$src/scripts/check-layers" "$src"
tmp="$(mktemp -d)"
trap 'rm -rf "$tmp"' EXIT
cp -r "$src/common" "$src/translator" "$tmp/"
echo '#include "translator/translate_source.h"' >>"$tmp/common/text.cpp"
if "$src/scripts/check-layers" "$tmp" 2>"$tmp/out"; then
  echo "an include against the layer order passed the check" >&2
  exit 1
fi
grep -q 'common/text.cpp includes translator/translate_source.h' "$tmp/out"
