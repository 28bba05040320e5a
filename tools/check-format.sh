#!/usr/bin/env bash
# Fails when a C++ file differs from what clang-format makes of it with the repository's
# .clang-format; `tools/check-format.sh --fix` rewrites them instead.
set -euo pipefail
cd "$(dirname "$(readlink -f "$0")")/.."

mode=(--dry-run --Werror)
[[ ${1:-} == --fix ]] && mode=(-i)
find src tests tools bench fuzz -name '*.cpp' -o -name '*.h' | sort \
  | xargs clang-format --style=file "${mode[@]}"
