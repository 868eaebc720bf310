#!/usr/bin/env bash
# Fails when a C++ file of the tree strays from .clang-format (the project's
# own files only, never the generated ones of a build folder).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/source-files.sh | grep -z -E '\.(cpp|h)$' | xargs -0 -r clang-format --dry-run --Werror
