#!/usr/bin/env bash
# Times kestrin-size --json over 1,000 R454B project files made from the
# example suction riser: capacities, lines and lengths vary from file to
# file, and so do the evaporating and condensing temperatures, so that no
# bubble or dew point is found already solved. Usage:
#   benchmarks/many_project_files.sh build/bench/cli/kestrin-size
set -euo pipefail
tool="$1"
example="$(dirname "$0")/../examples/suction-r454b-ip-riser.kst"
dir="$(mktemp -d)"
trap 'rm -rf "$dir"' EXIT
lines=(Suction Discharge Liquid)
for i in $(seq 0 999); do
  capacity=$((1 + i % 5))
  evaporating="$((30 + i % 20)).$((i % 7))"
  condensing="$((95 + i % 25)).$((i % 9))"
  line="${lines[$((i % 3))]}"
  length=$((40 + i % 80))
  sed -e "2s/.*/\"${capacity}\"\r/" -e "3s/.*/\"${evaporating}\"\r/" -e "4s/.*/\"${condensing}\"\r/" \
      -e "7s/.*/\"${line}\"\r/" -e "9s/.*/\"${length}\"\r/" "$example" > "$dir/case$i.kst"
done
start=$(date +%s.%N)
"$tool" --json "$dir"/*.kst > "$dir/out.jsonl" || true
end=$(date +%s.%N)
echo "files sized: $(grep -c '"ok":true' "$dir/out.jsonl") of 1000"
awk -v s="$start" -v e="$end" 'BEGIN { printf "seconds: %.2f\n", e - s }'
