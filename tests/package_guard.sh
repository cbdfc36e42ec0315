#!/usr/bin/env bash
# tools/check-package installs, starts and purges chance-games only where
# none of it is on the machine: never over the user's own copy. Checked here
# with dpkg's answers stubbed, one line a state.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
stub=$(mktemp -d)
trap 'rm -rf "$stub"' EXIT
# The stub answers as dpkg-query -W -f='${Status} ${Version}' would.
cat >"$stub/dpkg-query" <<'STUB'
#!/bin/sh
[ -n "$STATE" ] || { echo "dpkg-query: no packages found matching $4" >&2; exit 1; }
printf '%s' "$STATE"
STUB
chmod +x "$stub/dpkg-query"
PATH=$stub:$PATH
source "$root/tools/setup.sh"

failures=0
#     ours to install  dpkg's state
while IFS='|' read -r free state; do
    found=$(STATE=$state package_on_machine chance-games)
    if [ "$free" = yes ] && [ -n "$found" ] || [ "$free" = no ] && [ -z "$found" ]; then
        echo "wrong for '$state': package_on_machine says '$found'"
        failures=$((failures + 1))
    fi
done <<'TABLE'
yes|
yes|unknown ok not-installed 
no|install ok installed 1.0.0
no|deinstall ok config-files 1.0.0
no|install reinstreq half-installed 1.0.0
no|install ok unpacked 1.0.0
no|hold ok installed 0.9.0
TABLE
[ "$failures" -eq 0 ] && echo "every package state guarded as it should be"
exit "$failures"
