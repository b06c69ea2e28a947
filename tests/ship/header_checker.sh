#!/usr/bin/env bash
# The header comment check: the toolkit's header passes, and in the sample header exactly the
# functions named vu_Missing... are reported, in order, and fail the check.
#   header_checker.sh PYTHON CHECKER SAMPLE HEADER
set -uo pipefail
python=$1 checker=$2 sample=$3 header=$4
"$python" "$checker" check "$header" || exit 1
output=$("$python" "$checker" check "$sample")
status=$?
named=$(sed -n 's/.*: \([A-Za-z_0-9]*\) has no comment.*/\1/p' <<<"$output")
expected=$(grep -o 'vu_Missing[A-Za-z]*(' "$sample" | tr -d '(')
[ "$status" = 1 ] && [ "$named" = "$expected" ] && exit 0
printf 'the checker (exit code %s) named:\n%s\nexpected:\n%s\n' "$status" "$named" "$expected"
exit 1
