# SPDX-License-Identifier: GPL-3.0-or-later
# What every test of the real window starts from: a fresh home for the program's files ($casa,
# removed on exit), the waiting helpers (also exported as $ATTESA for the scripts that run on the
# virtual screen) and `sotto_xvfb`, which gives a command a virtual screen of its own.
set -euo pipefail
casa=$(mktemp -d)
trap 'rm -rf "$casa"' EXIT
export MRVELTO_HOME=$casa
ATTESA=$(dirname "$(realpath "${BASH_SOURCE[0]}")")/attesa.sh
export ATTESA
unset QT_QPA_PLATFORM
source "$ATTESA"

# sotto_xvfb SECONDI COMANDO...: COMANDO on a 1024x768 virtual screen, killed after SECONDI.
# xvfb-run stops its server without waiting for it, and a server still on its way out removes the
# socket of the next one started on the same display number: that program then finds no display.
# So the number is drawn at random (xvfb-run moves on from a busy one) and the call returns only
# once its own server, known by its authority file, has gone.
sotto_xvfb() {
  local secondi=$1 rc=0
  shift
  local autorita
  autorita=$(mktemp -u "$casa/xauth.XXXXXX")
  timeout "$secondi" xvfb-run -a -n $((100 + RANDOM % 800)) -f "$autorita" -s "-screen 0 1024x768x24" "$@" || rc=$?
  server_andato() { ! pgrep -f -- "-auth $autorita" >/dev/null; }
  if ! aspetta 30 "the virtual screen to close" server_andato; then
    pkill -KILL -f -- "-auth $autorita" || true
  fi
  return $rc
}
