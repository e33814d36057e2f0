#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# No mutable variable at namespace scope in the core and program libraries:
# every piece of state belongs to an object that owns it. Lists each data
# symbol of external linkage in a writable section (data, bss, thread-local)
# and fails if there is one. Constants and tables that never change live in
# read-only sections and are not listed.
#   check-globals.sh LIBRARY...
set -euo pipefail

if ! command -v nm >/dev/null 2>&1; then
    echo "globals: nm is not installed" >&2
    exit 1
fi
status=0
for library in "$@"; do
    found=$(nm -C --defined-only -f sysv "$library" 2>/dev/null |
        awk -F'|' 'NF >= 7 {
            class = $3; gsub(/ /, "", class)
            section = $7; gsub(/^ +| +$/, "", section)
            name = $1; gsub(/ +$/, "", name)
            if (class !~ /^[BDGSVu]$/) next
            if (section !~ /^\.(data|bss|tdata|tbss)/ || section ~ /^\.data\.rel\.ro/) next
            if (name ~ /^(std::|guard variable for std::)/ || name ~ /__gxx_personality|^__(odr_)?asan|^__ubsan/) next
            print "  " name " (" section ")"
        }' | sort -u)
    if [ -n "$found" ]; then
        echo "globals: $library holds mutable data of external linkage:"
        echo "$found"
        status=1
    fi
done
[ "$status" -eq 0 ] && echo "globals: no mutable data at namespace scope in $*"
exit "$status"
