#!/usr/bin/env bash
# Every parameter of a parametrised test prints as a name: a parameter type
# without a printer shows up in the test list as a dump of its bytes, with
# addresses that change from run to run.
set -euo pipefail
status=0
for program in "$@"; do
  dumps="$(QT_QPA_PLATFORM=offscreen "$program" --gtest_list_tests | grep -E 'GetParam\(\) = [0-9]+-byte object' || true)"
  if [ -n "$dumps" ]; then
    echo "FAILED: $(basename "$program") lists parameters without a printer (add PrintTo for their type):"
    echo "$dumps" | cut -c1-160
    status=1
  fi
done
[ "$status" -ne 0 ] || echo "passed"
exit "$status"
