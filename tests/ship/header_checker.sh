#!/usr/bin/env bash
# The header comment checker against a sample header: it must name exactly the functions
# that lack a comment, fail on them, and pass a header whose functions all have one.
#   header_checker.sh PYTHON CHECKER TEST_FOLDER
set -uo pipefail
python=$1 checker=$2 here=$3
sample=$here/header_comments_sample.h

output=$("$python" "$checker" check "$sample")
status=$?
named=$(sed -n 's/.*: \([A-Za-z_0-9]*\) has no comment.*/\1/p' <<<"$output" | tr '\n' ' ')
expected="vu_UnderMarker vu_AfterDeclaration vu_AfterBlank vu_UnderBanner vu_Trailing vu_AfterTrailing vu_AfterForward vu_EmptyComment "
if [ "$named" != "$expected" ] || [ "$status" != 1 ]; then
  echo "checker named: $named(exit code $status)"
  echo "expected:      $expected(exit code 1)"
  exit 1
fi

# With the missing comments given, the same header passes.
fixed=$(mktemp)
trap 'rm -f "$fixed"' EXIT
sed -E 's/^(int|void\*) (vu_(UnderMarker|AfterDeclaration|AfterBlank|UnderBanner|Trailing|AfterTrailing|AfterForward|EmptyComment))/\/* Now documented. *\/\n&/' \
    "$sample" >"$fixed"
if ! "$python" "$checker" check "$fixed"; then
  echo "the checker rejects a header whose functions all have a comment"
  exit 1
fi

# The Doxygen filter keeps every line where it was.
if [ "$("$python" "$checker" filter "$sample" | wc -l)" -lt "$(wc -l <"$sample")" ]; then
  echo "the filter moved lines"
  exit 1
fi
echo "checker: $output"
