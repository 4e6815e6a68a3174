#!/usr/bin/env bash
# Shared by the Windows tests, after tests/e2e/lib.sh: a Wine prefix of the test's own, a copy of
# the run's prefix (WINEPREFIX), with a Wine server that ends with the test.
template=${WINEPREFIX:?the Wine prefix of the run: ./test windows gives it}
export WINEPREFIX=$WORK/wine
# Linked, not copied, but for the registry, which the server rewrites while the test runs.
# Temporary files that the tests running beside it remove as it copies are left behind.
cp -al "$template" "$WINEPREFIX" 2>/dev/null || true
for hive in "$template"/*.reg; do
    cp --remove-destination "$hive" "$WINEPREFIX/"
done
# Its server, and every Windows process of the prefix with it, ends with the test.
wineserver --persistent
AT_EXIT+=("wineserver --kill")
wait_until wine reg query 'HKCU\Software' >/dev/null 2>&1 || fail "Wine did not start"

# A program the shell tests start as they start the Linux program: env execs it, and it execs
# Wine, so that the test's pid is the Windows program's process.
launcher() { # windows-program
    local script
    script=$WORK/launch-$(basename "$1" .exe)
    printf '#!/bin/sh\nexec wine "%s" "$@"\n' "$1" >"$script"
    chmod +x "$script"
    echo "$script"
}

# The value of $2 under registry key $1, as reg shows it ("REG_SZ text"); fails when absent.
registry_value() {
    wine reg query "$1" /v "$2" 2>/dev/null | tr -d '\r' |
        awk -v name="$2" '$1 == name { $1 = ""; sub(/^ +/, ""); print; found = 1 } END { exit !found }'
}
has_key() { wine reg query "$1" >/dev/null 2>&1; }

# The update reminder's date as the program keeps it: today, scrambled as the store scrambles
# it, each code one up ("2031-03-10" is kept as "3142.14.21").
kept_today() { date +%Y-%m-%d | tr '0123456789-' '123456789:.'; }
SETTINGS_KEY='HKCU\Software\VB and VBA Program Settings\quintavel\Settings'
