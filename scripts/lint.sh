#!/usr/bin/env bash
# The house's habits, checked: clang-format over the sources and tests
# (.clang-format), clang-tidy over src/ (.clang-tidy), in a clang build of
# its own (build-lint/) that only exports its compile commands.
set -euo pipefail
cd "$(dirname "$0")/.."

mapfile -t formatted < <(git ls-files 'src/*.cpp' 'src/*.h' 'tests/*.cpp' 'tests/*.h' \
                                      'bench/*.cpp' 'fuzz/*.cpp' 'fuzz/*.h')
echo "== clang-format (${#formatted[@]} files)"
clang-format --dry-run --Werror "${formatted[@]}"

echo "== clang-tidy"
cmake -S . -B build-lint -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_EXPORT_COMPILE_COMMANDS=ON >/dev/null
mapfile -t checked < <(git ls-files 'src/*.cpp')
run-clang-tidy -p build-lint -quiet -j "$(nproc)" "${checked[@]/#/$PWD/}" > build-lint/clang-tidy.log 2>&1 || {
  grep -E 'warning:|error:' -A3 build-lint/clang-tidy.log | head -200
  echo "clang-tidy found problems (whole log: build-lint/clang-tidy.log)" >&2
  exit 1
}
echo "clang-tidy: clean"
