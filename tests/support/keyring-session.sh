#!/usr/bin/env bash
# Runs a command inside a private D-Bus session whose home, runtime and XDG
# folders are a fresh temporary folder, so it never sees the user's own bus,
# keyring or profile.
#
#   keyring-session.sh [--no-keyring] COMMAND [ARGS...]
#
# By default a desktop keyring (gnome-keyring's Secret Service) runs in the
# session, its login collection created and unlocked with the password in
# $KEYRING_PASSWORD ("quillmere-test" when unset). With --no-keyring nothing
# owns or can start org.freedesktop.secrets. The bus activates no services
# either way. The command's exit status is the script's.
set -euo pipefail

with_keyring=1
if [ "${1:-}" = "--no-keyring" ]; then with_keyring=0; shift; fi
[ $# -gt 0 ] || { echo "usage: $0 [--no-keyring] COMMAND [ARGS...]" >&2; exit 2; }

if [ "${KEYRING_SESSION_INNER:-}" != 1 ]; then
  root=$(mktemp -d "${TMPDIR:-/tmp}/keyring-session.XXXXXX")
  trap 'rm -rf "$root"' EXIT
  mkdir -p "$root/home" "$root/run"
  chmod 700 "$root/run"
  cat >"$root/bus.conf" <<CONF
<!DOCTYPE busconfig PUBLIC "-//freedesktop//DTD D-Bus Bus Configuration 1.0//EN"
 "http://www.freedesktop.org/standards/dbus/1.0/busconfig.dtd">
<busconfig>
  <type>session</type>
  <listen>unix:dir=$root/run</listen>
  <auth>EXTERNAL</auth>
  <policy context="default">
    <allow send_destination="*" eavesdrop="true"/>
    <allow eavesdrop="true"/>
    <allow own="*"/>
  </policy>
</busconfig>
CONF
  args=()
  [ "$with_keyring" = 1 ] || args+=(--no-keyring)
  # A code in the environment would hand the command the user's own session.
  env -u DBUS_SESSION_BUS_ADDRESS -u GNOME_KEYRING_CONTROL -u XDG_CURRENT_DESKTOP \
    HOME="$root/home" XDG_RUNTIME_DIR="$root/run" \
    XDG_CONFIG_HOME="$root/home/.config" XDG_DATA_HOME="$root/home/.local/share" \
    XDG_CACHE_HOME="$root/home/.cache" KEYRING_SESSION_INNER=1 \
    dbus-run-session --config-file="$root/bus.conf" -- "$0" "${args[@]}" "$@"
  exit $?
fi

daemon=
if [ "$with_keyring" = 1 ]; then
  printf '%s' "${KEYRING_PASSWORD:-quillmere-test}" |
    gnome-keyring-daemon --foreground --unlock --components=secrets >/dev/null 2>&1 &
  daemon=$!
  trap 'kill "$daemon" 2>/dev/null || true; wait "$daemon" 2>/dev/null || true' EXIT
  # The daemon takes its name on the bus once it is ready.
  for _ in $(seq 1 100); do
    if dbus-send --session --print-reply --dest=org.freedesktop.DBus /org/freedesktop/DBus \
         org.freedesktop.DBus.NameHasOwner string:org.freedesktop.secrets 2>/dev/null |
         grep -q "boolean true"; then
      break
    fi
    kill -0 "$daemon" 2>/dev/null || { echo "keyring-session: the keyring did not start" >&2; exit 1; }
    sleep 0.1
  done
fi

set +e
"$@"
status=$?
set -e
exit $status
