#!/usr/bin/env bash
# The layer check passes on the sources as they are, and fails once a bottom-layer file
# includes a stage, or an early stage of the translator includes a later one.
set -euo pipefail
src="$1"
"$src/scripts/check-layers" "$src"
tmp="$(mktemp -d)"
trap 'rm -rf "$tmp"' EXIT
# against_order FILE INCLUDE MESSAGE: the check must fail on FILE including INCLUDE.
against_order() {
  rm -rf "$tmp/tree"
  mkdir "$tmp/tree"
  cp -r "$src/common" "$src/translator" "$tmp/tree/"
  echo "#include \"$2\"" >>"$tmp/tree/$1"
  if "$src/scripts/check-layers" "$tmp/tree" 2>"$tmp/out"; then
    echo "$1 including $2 passed the check" >&2
    exit 1
  fi
  grep -q "$3: $1 includes $2" "$tmp/out"
}
against_order common/text.cpp translator/translate_source.h "layer order"
against_order translator/source/parser.cpp translator/output/script_printer.h "stage order"
against_order translator/language/operator_table.cpp translator/source/lexer.h "stage order"
