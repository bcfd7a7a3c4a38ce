#!/usr/bin/env bash
# Lines of C++, shell and Python in the product and in its tests, and their ratio.
# Product: the program's folders without the framework's test-only seams (testing.*).
# Tests: tests/, packaging/tests/ and those seams.
set -euo pipefail
cd "$(dirname "$0")/.."

sources() {
  find "$@" -type f \( -name '*.cpp' -o -name '*.h' -o -name '*.sh' -o -name '*.py' \)
}
lines() { xargs cat | wc -l; }

product=$(sources 1-framework 2-common 3-windows 4-app | grep -v '^1-framework/testing\.' | lines)
tests=$({ sources tests packaging/tests; ls 1-framework/testing.*; } | lines)
echo "product lines: $product"
echo "test lines:    $tests"
awk -v t="$tests" -v p="$product" 'BEGIN { printf "ratio:         %.2f\n", t / p }'
