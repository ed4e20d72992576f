# SPDX-License-Identifier: GPL-3.0-or-later
# Sourced by the set-up scripts: package, configure and build output goes to
# one log file, the terminal gets one German line per step with its time and,
# when a step fails, where the log is and its last lines.
#
# TEMPULO_SETUP_LOG names the log (default build/setup.log in the tree).
# Each step's time is kept in build/step-times.txt, so that the next run can
# say how long it will take on this machine.

setup_log=${TEMPULO_SETUP_LOG:-$PWD/build/setup.log}
step_times=$PWD/build/step-times.txt
step_text=""

# "1 min 05 s" / "42 s" for a number of seconds.
format_duration() {
  local seconds=$1
  if [ "$seconds" -ge 60 ]; then
    printf '%d min %02d s' $((seconds / 60)) $((seconds % 60))
  else
    printf '%d s' "$seconds"
  fi
}

# The seconds a step took the last time it ran here, or nothing.
last_duration() {
  [ -f "$step_times" ] || return 0
  awk -F'\t' -v key="$1" '$1 == key { seconds = $2 } END { if (seconds != "") print seconds }' "$step_times"
}

# Keeps the time of a step for the next run (one line per step, the newest).
remember_duration() {
  local key=$1 seconds=$2
  mkdir -p "$(dirname "$step_times")"
  { [ -f "$step_times" ] && awk -F'\t' -v key="$key" '$1 != key' "$step_times"
    printf '%s\t%s\n' "$key" "$seconds"; } >"$step_times.new" && mv -f "$step_times.new" "$step_times"
}

# build_must_be_writable [DIR...]: before a script writes anything, makes sure
# it can write build/ (and the given build folders in it). A tree where root
# ran a script before can hold files that belong to root; the user then gets
# one German line naming the owner and the command that gives them back,
# instead of a shell error half-way through. Root can write anything.
build_must_be_writable() {
  [ "$(id -u)" -ne 0 ] || return 0
  local me foreign="" owner fix
  me=$(id -un)
  fix="chown -R $me:$(id -gn) $PWD/build"
  if [ ! -e build ]; then
    if [ ! -w . ]; then
      owner=$(stat -c %U .)
      echo "Tempulo: $PWD gehört $owner, und $me darf darin kein build/ anlegen. Bitte den Quellbaum in einen eigenen Ordner kopieren oder als root ausführen: chown -R $me:$(id -gn) $PWD" >&2
      exit 1
    fi
    return 0
  fi
  local places=(build/setup.log build/installed-packages.txt build/step-times.txt)
  for dir in "$@"; do
    places+=("build/$dir")
  done
  foreign=$(find build -maxdepth 0 \( ! -user "$me" -o ! -writable \) -print 2>/dev/null)
  if [ -z "$foreign" ]; then
    for place in "${places[@]}"; do
      [ -e "$place" ] || continue
      foreign=$(find "$place" ! -user "$me" -print -quit 2>/dev/null)
      [ -z "$foreign" ] || break
    done
  fi
  [ -n "$foreign" ] || return 0
  owner=$(stat -c %U "$foreign")
  if [ "$owner" = "$me" ]; then
    echo "Tempulo: $me darf $PWD/build nicht beschreiben. Bitte ausführen: chmod -R u+w $PWD/build" >&2
  else
    echo "Tempulo: $PWD/$foreign gehört $owner, nicht $me. Bitte als root ausführen: $fix – danach noch einmal ${TEMPULO_CALLER:-den Befehl}." >&2
  fi
  exit 1
}

# One owner for the tree: when root runs a script in a tree that belongs to
# someone else (a user following the install hint), what the script put into
# build/ is handed to the tree's owner afterwards, so that the owner's next
# run can write there. Called on exit and before a script replaces itself.
give_build_to_tree_owner() {
  [ "$(id -u)" -eq 0 ] && [ -d build ] || return 0
  local owner
  owner=$(stat -c %u:%g .)
  [ "${owner%%:*}" != 0 ] || return 0
  # -P: symbolic links inside build/ are changed themselves, never followed.
  chown -R -P -h "$owner" build 2>/dev/null || true
}
if [ "$(id -u)" -eq 0 ]; then
  trap give_build_to_tree_owner EXIT
fi

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

# The start of a step's line: the description and, when this machine has run
# the step before, how long it took then. The line ends with step_done.
step_line() {
  local what=$1 last
  last=$(last_duration "$what")
  if [ -n "$last" ] && [ "$last" -ge 10 ]; then
    step_text="Tempulo: $what (zuletzt $(format_duration "$last")) … "
  else
    step_text="Tempulo: $what … "
  fi
  printf '%s' "$step_text"
}

# wait_ticking PID STARTED: waits for a step's command and returns its status.
# On a terminal the step's line counts the time meanwhile, so that a long
# build is not minutes of silence; into a file or pipe nothing extra goes.
wait_ticking() {
  local pid=$1 started=$2 status=0
  if [ -t 1 ]; then
    while kill -0 "$pid" 2>/dev/null; do
      sleep 1
      printf '\r%s%s\033[K' "$step_text" "$(format_duration $(($(date +%s) - started)))"
    done
    printf '\r%s\033[K' "$step_text"
  fi
  wait "$pid" || status=$?
  return "$status"
}

# Ends a step's line with its time and keeps the time for the next run.
step_done() {
  local what=$1 started=$2 note=${3:-}
  local seconds=$(($(date +%s) - started))
  echo "${note:+$note, }$(format_duration "$seconds")"
  remember_duration "$what" "$seconds"
}

# log_step "German description" command...: runs the command with its output
# in the log, on one terminal line with the time it took. On failure the
# script ends with the command's status.
log_step() {
  local what=$1 status=0 started
  shift
  started=$(date +%s)
  step_line "$what"
  printf '\n== %s  %s\n' "$(date '+%T')" "$*" >>"$setup_log"
  "$@" >>"$setup_log" 2>&1 </dev/null &
  wait_ticking $! "$started" || status=$?
  if [ "$status" -ne 0 ]; then
    echo "fehlgeschlagen"
    log_failed "$what" "$status"
    exit "$status"
  fi
  step_done "$what" "$started"
}

# log_step_when_slow "German description" command...: like log_step, but the
# line only reaches the terminal when the command is still running after two
# seconds (a build with nothing to do says nothing).
log_step_when_slow() {
  local what=$1 status=0 pid waited=0 started shown=false
  shift
  started=$(date +%s)
  printf '\n== %s  %s\n' "$(date '+%T')" "$*" >>"$setup_log"
  "$@" >>"$setup_log" 2>&1 </dev/null &
  pid=$!
  while kill -0 "$pid" 2>/dev/null && [ "$waited" -lt 20 ]; do
    sleep 0.1
    waited=$((waited + 1))
  done
  if kill -0 "$pid" 2>/dev/null; then
    step_line "$what"
    shown=true
    wait_ticking "$pid" "$started" || status=$?
  else
    wait "$pid" || status=$?
  fi
  if [ "$status" -ne 0 ]; then
    if $shown; then echo "fehlgeschlagen"; fi
    log_failed "$what" "$status"
    exit "$status"
  fi
  if $shown; then step_done "$what" "$started"; fi
}

# Says on stderr that a step failed and shows the end of the log.
log_failed() {
  {
    echo "Tempulo: fehlgeschlagen: $1 (Status $2). Ganzes Protokoll: $setup_log – die letzten Zeilen:"
    tail -n 20 "$setup_log" | sed 's/^/  | /'
  } >&2
}
