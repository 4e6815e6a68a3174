#!/usr/bin/env bash
# Every language is complete: lrelease finds each text of the program translated and none left
# unfinished, and msgfmt finds each text of the desktop entry and metainfo translated.
#
#   translations_complete.sh path/to/lrelease
set -euo pipefail
lrelease=${1:?usage: $0 path/to/lrelease}
root=$(cd "$(dirname "$0")/../.." && pwd)
status=0
for ts in "$root"/translations/*.ts; do
    report=$("$lrelease" "$ts" -qm /dev/null 2>&1)
    if ! grep -qE 'Generated [0-9]+ translation\(s\) \([0-9]+ finished and 0 unfinished\)' <<<"$report" ||
        grep -q 'untranslated' <<<"$report"; then
        echo "FAIL: $(basename "$ts"): $report"
        status=1
    fi
done
for po in "$root"/packaging/po/*.po; do
    report=$(msgfmt --check --statistics -o /dev/null "$po" 2>&1)
    if grep -qE 'untranslated|fuzzy' <<<"$report"; then
        echo "FAIL: $(basename "$po"): $report"
        status=1
    fi
done
[ $status = 0 ] && echo "ok: every language is complete"
exit $status
