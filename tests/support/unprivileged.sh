#!/usr/bin/env bash
# Runs a test program as an unprivileged user when the suite runs as root.
# Permissions (an unreadable file, a read-only folder) do not stop root, so
# the rows that check them would only be skipped there. The program is
# copied into a scratch folder that the user owns, wherever the build lives,
# and its temporary files and home go there too.
# Usage: unprivileged.sh <test program> [arguments...]
set -euo pipefail
[[ $(id -u) -ne 0 ]] && exec "$@"

user=nobody
group=nogroup
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
program="$scratch/$(basename "$1")"
cp "$1" "$program"
shift
chown -R "$user:$group" "$scratch"

cd "$scratch"
status=0
env -u XDG_RUNTIME_DIR TMPDIR="$scratch" HOME="$scratch" \
    setpriv --reuid="$user" --regid="$group" --clear-groups "$program" "$@" || status=$?
exit "$status"
