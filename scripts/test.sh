#!/usr/bin/env bash
# Builds the program natively and for Windows, runs every native test and
# every Windows test under Wine, and ends with one line "N passed, N failed".
set -uo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$root"
build=$root/build
logs=$build/test-logs

bash scripts/setup.sh || exit 1

build_preset() {
  cmake --preset "$1" >"$logs/configure-$1.log" 2>&1 &&
    cmake --build --preset "$1" >"$logs/build-$1.log" 2>&1 ||
    { echo "build $1 failed:"; tail -n 40 "$logs/build-$1.log" "$logs/configure-$1.log"; exit 1; }
}

mkdir -p "$logs"
build_preset native
build_preset win32

passed=0
failed=0

# Runs one GoogleTest program and adds its counts; a program that ends
# without its summary (a crash, a hang) counts as one failure.
run_gtest() {
  local name=$1
  shift
  local log=$logs/$name.log
  timeout 600 "$@" --gtest_brief=1 >"$log" 2>&1
  local ok bad
  ok=$(sed -n 's/^\[  PASSED  \] \([0-9]*\) tests\{0,1\}\..*/\1/p' "$log" | tail -n 1)
  bad=$(sed -n 's/^\[  FAILED  \] \([0-9]*\) tests\{0,1\}, listed below:.*/\1/p' "$log" | tail -n 1)
  if [ -z "$ok" ] && [ -z "$bad" ]; then
    bad=1
    echo "$name: ended without a result"
    tail -n 20 "$log"
  fi
  ok=${ok:-0}
  bad=${bad:-0}
  [ "$bad" -gt 0 ] && grep -E '^\[  FAILED  \]|Failure|error' "$log" | head -n 40
  echo "$name: $ok passed, $bad failed"
  passed=$((passed + ok))
  failed=$((failed + bad))
}

run_gtest native-core build/native/tests/core_tests

# The maker's site for the Windows tests: the bundled pages, and whatever
# page, response or failure a test asks the server for.
python3 tests/http/test_server.py --directory site >"$logs/test-server.log" 2>&1 &
server_pid=$!
for _ in $(seq 100); do
  (exec 3<>/dev/tcp/127.0.0.1/8936 && exec 4<>/dev/tcp/127.0.0.1/8937) 2>/dev/null && break
  sleep 0.1
done
stop_server() { kill "$server_pid" 2>/dev/null; wait "$server_pid" 2>/dev/null; }

source tests/wine/session.sh
wine_session_start "$build/wine-test"
trap 'wine_session_stop; stop_server' EXIT
run_gtest wine-core wine build/win32/tests/core_tests.exe
run_gtest wine-win32 wine build/win32/tests/win32_tests.exe
# Screenshots of every window the end-to-end tests open are kept here.
export VELORIN_SCREENSHOTS=$build/screenshots
run_gtest wine-e2e wine build/win32/tests/e2e/e2e_tests.exe
# The benchmark reports the cost of a scroll step; it asserts nothing.
wine build/win32/tests/bench/label_scroll_bench.exe >"$logs/bench-label-scroll.log" 2>&1 &&
  sed 's/^/bench: /' "$logs/bench-label-scroll.log" | tail -n 4
wine_session_stop
stop_server

echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
