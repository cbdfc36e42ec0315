#!/usr/bin/env bash
# The screen-reader runner (tests/screenreader/speaks) skips a test (77) when
# a tool it needs is missing, but under CI (CI=true) it must fail instead, so
# that a machine whose install went wrong cannot pass by skipping. Checked
# here for each tool in turn. The runner is started through a symlink beside a
# stub orca-session, with a PATH that holds only stubs and the few system
# tools it calls, so no real screen reader, X server or bus is ever started.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# The tools speaks looks for, in its order.
tools=(orca speech-dispatcher Xvfb openbox xdotool dbus-launch)

mkdir "$work/runner" "$work/system"
ln -s "$root/tests/screenreader/speaks" "$work/runner/speaks"
# The stub session only notes that it was started and how.
cat >"$work/runner/orca-session" <<'STUB'
#!/bin/sh
printf '%s\n' "$@" >"$SESSION_LOG"
STUB
chmod +x "$work/runner/orca-session"
# The system tools speaks calls itself, and nothing else of the system.
for command in dirname basename; do
    ln -s "$(command -v "$command")" "$work/system/$command"
done
# One folder of stubs per tool left out, each with the other five.
make_stubs() {
    local dir=$1 missing=$2 tool
    mkdir "$dir"
    for tool in "${tools[@]}"; do
        [ "$tool" = "$missing" ] && continue
        printf '#!/bin/sh\necho "stub %s must not run" >&2\nexit 99\n' "$tool" >"$dir/$tool"
        chmod +x "$dir/$tool"
    done
}

steps=$work/screenreader-en.steps
printf '%s\n' 'title Computer dice' 'key space' >"$steps"
program=$work/no-such-game

# run_speaks STUBS [CI]: speaks's output, then "exit N" on its last line.
# Without a CI value, CI is not set at all.
run_speaks() {
    local stubs=$1 status=0
    local environment=(env -u CI)
    [ -n "${2:-}" ] && environment+=(CI="$2")
    "${environment[@]}" PATH="$stubs:$work/system" SESSION_LOG="$work/session.log" \
        "$work/runner/speaks" "$steps" "$program" 2>&1 || status=$?
    echo "exit $status"
}

failures=0
fail() {
    echo "FAIL: $1"
    sed 's/^/    /' <<<"$2"
    failures=$((failures + 1))
}

# With every tool there, the runner goes on to the session, CI or not.
make_stubs "$work/stubs-all" ''
for ci in '' true; do
    rm -f "$work/session.log"
    output=$(run_speaks "$work/stubs-all" "$ci")
    if [ "${output##*exit }" != 0 ] || ! grep -qx 'LANGUAGE=en' "$work/session.log" 2>/dev/null; then
        fail "every tool there${ci:+, CI=$ci}: the session was not started" "$output"
    fi
done

for tool in "${tools[@]}"; do
    make_stubs "$work/stubs-$tool" "$tool"
    rm -f "$work/session.log"

    output=$(run_speaks "$work/stubs-$tool")
    status=${output##*exit }
    if [ "$status" != 77 ]; then
        fail "$tool missing, no CI: exit $status, not 77 (skipped)" "$output"
    elif ! grep -q "$tool is not installed" <<<"$output"; then
        fail "$tool missing, no CI: the skip does not name $tool" "$output"
    fi

    output=$(run_speaks "$work/stubs-$tool" true)
    status=${output##*exit }
    if [ "$status" = 0 ] || [ "$status" = 77 ]; then
        fail "$tool missing, CI=true: exit $status, where a failure is wanted" "$output"
    elif ! grep -q "$tool is not installed" <<<"$output"; then
        fail "$tool missing, CI=true: the failure does not name $tool" "$output"
    fi

    if [ -e "$work/session.log" ]; then
        fail "$tool missing: the session was started all the same" "$(cat "$work/session.log")"
    fi
done

[ "$failures" -eq 0 ] && echo "a missing tool skips the screen-reader tests, and fails them under CI"
exit "$failures"
