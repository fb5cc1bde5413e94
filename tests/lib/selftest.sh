#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The library's steps fail when they must: a test built on a step that cannot fail checks nothing.
# Usage: selftest.sh
set -euo pipefail
source "$(dirname "$0")/testlib.sh"
start_work_folder

# Not the library's fail: that is what is checked here.
defect() {
  echo "FAIL: testlib: $*"
  exit 1
}

# A process to end; a signal sent before it runs sleep could be lost in the forked shell.
start_sleeper() {
  sleep 30 &
  sleeper=$!
  until [[ $(cat "/proc/$sleeper/comm" 2>/dev/null) == sleep ]]; do sleep 0.05; done
}

# Runs a step in a subshell; sets status and output.
run_step() {  # command...
  status=0
  output=$("$@" 2>&1) || status=$?
}

run_step fail "a message"
[[ $status -eq 1 && "$output" == "FAIL: a message" ]] || defect "fail gave $status: $output"
fail_then_echo() {
  fail "first"
  # shellcheck disable=SC2317  # fail must stop before it
  echo "after"
}
run_step fail_then_echo
[[ $status -ne 0 && "$output" != *after* ]] || defect "the steps after fail ran: $output"

seq 50 >"$work/log"
labelled_failure() { fail_case=a-case fail_log="$work/log" fail "labelled"; }
run_step labelled_failure
[[ $status -eq 1 && "$output" == "FAIL [a-case]: labelled"$'\n'"--- log (last 40 lines)"$'\n'11$'\n'* &&
  "$output" == *$'\n'50 ]] || defect "fail did not show its label and the log's end: $output"

run_step locate no_such_point
[[ $status -eq 1 && "$output" == "FAIL: no point named no_such_point" ]] || defect "an unknown point: $output"
for name in "${!points[@]}"; do
  [[ "${points[$name]}" =~ ^[0-9]+\ [0-9]+$ ]] || defect "the point $name is \"${points[$name]}\""
  locate "$name"
  ((point_x < 1920 && point_y < 1080)) || defect "the point $name lies off the screen"
done

wait_for_file "$work/none" 1 && defect "wait_for_file found a file that is not there"
wait_for_file "$work/log" 1 || defect "wait_for_file missed a file"

start_sleeper
wait_for_end "$sleeper" 1 && defect "wait_for_end took a running process for ended"
kill "$sleeper"
wait_for_end "$sleeper" 5 || defect "wait_for_end missed the end of a process"
wait "$sleeper" 2>/dev/null || true

end_with_3() {
  (exit 3) &
  expect_clean_end $! "the step"
}
run_step end_with_3
[[ $status -eq 1 && "$output" == "FAIL: the step ended with exit code 3" ]] ||
  defect "expect_clean_end took exit code 3: $output"
end_by_term() {
  start_sleeper
  expect_clean_term "$sleeper" "the step"
}
run_step end_by_term
[[ $status -eq 1 && "$output" == "FAIL: the step ended with exit code 143" ]] ||
  defect "expect_clean_term took a death by SIGTERM: $output"

log="$work/log"
log_wait_seconds=1
wait_for_log "^50$"
run_step wait_for_log "^51$"
[[ $status -eq 1 && "$output" == "FAIL: no log line matching: ^51\$" ]] || defect "wait_for_log: $output"
echo "testlib: ok"
