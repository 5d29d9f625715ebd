#!/usr/bin/env bash
# Checks the project's C++ sources against .clang-format and names every
# file that differs. With -i, formats them in place instead.
set -euo pipefail
cd "$(dirname "$0")/.."

mapfile -t files < <(git ls-files 'src/*.cpp' 'src/*.h' 'tests/*.cpp' 'tests/*.h' \
                                  'bench/*.cpp' 'assets/*.cpp')
if [ "${1:-}" = "-i" ]; then
    clang-format -i "${files[@]}"
    exit 0
fi
if ! clang-format --dry-run -Werror "${files[@]}" 2>/tmp/hx-format.$$; then
    grep -oE '^[^: ]+\.(cpp|h):[0-9]+:[0-9]+: error' /tmp/hx-format.$$ | cut -d: -f1 | sort -u |
        sed 's/^/not formatted: /'
    rm -f /tmp/hx-format.$$
    echo "run scripts/check_format.sh -i to format them"
    exit 1
fi
rm -f /tmp/hx-format.$$
