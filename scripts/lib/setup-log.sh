# SPDX-License-Identifier: GPL-3.0-or-later
# Sourced by the set-up scripts: package, configure and build output goes to
# one log file, the terminal gets one German line per step and, when a step
# fails, where the log is and its last lines.
#
# TEMPULO_SETUP_LOG names the log (default build/setup.log in the tree).

setup_log=${TEMPULO_SETUP_LOG:-$PWD/build/setup.log}

# Makes the log ready and marks the start of a run in it. Nothing is written
# before a script knows it can do its work.
log_open() {
  mkdir -p "$(dirname "$setup_log")"
  # Keep the log from growing without end: one older generation is kept.
  if [ -f "$setup_log" ] && [ "$(stat -c %s "$setup_log")" -gt 20000000 ]; then
    mv -f "$setup_log" "$setup_log.old"
  fi
  printf '\n==== %s  %s\n' "$(date '+%F %T')" "$*" >>"$setup_log"
}

# log_step "German description" command...: runs the command with its output
# in the log. On failure the script ends with the command's status.
log_step() {
  local what=$1 status=0
  shift
  echo "Tempulo: $what …"
  printf '\n== %s  %s\n' "$(date '+%T')" "$*" >>"$setup_log"
  "$@" >>"$setup_log" 2>&1 </dev/null || status=$?
  if [ "$status" -ne 0 ]; then
    log_failed "$what" "$status"
    exit "$status"
  fi
}

# log_step_when_slow "German description" command...: like log_step, but the
# description only reaches the terminal when the command is still running
# after two seconds (a build with nothing to do says nothing).
log_step_when_slow() {
  local what=$1 status=0 pid waited=0
  shift
  printf '\n== %s  %s\n' "$(date '+%T')" "$*" >>"$setup_log"
  "$@" >>"$setup_log" 2>&1 </dev/null &
  pid=$!
  while kill -0 "$pid" 2>/dev/null && [ "$waited" -lt 20 ]; do
    sleep 0.1
    waited=$((waited + 1))
  done
  if kill -0 "$pid" 2>/dev/null; then
    echo "Tempulo: $what …"
  fi
  wait "$pid" || status=$?
  if [ "$status" -ne 0 ]; then
    log_failed "$what" "$status"
    exit "$status"
  fi
}

# Says on stderr that a step failed and shows the end of the log.
log_failed() {
  {
    echo "Tempulo: fehlgeschlagen: $1 (Status $2). Ganzes Protokoll: $setup_log – die letzten Zeilen:"
    tail -n 20 "$setup_log" | sed 's/^/  | /'
  } >&2
}
