#!/usr/bin/env bash
# Builds the benchmarks in Release (build/release) and runs every one of them, each figure the
# median of REPETITIONS runs (default 5) of its CPU time, the runs of each program's benchmarks
# interleaved. Prints the medians, then the table of the performance targets
# (docs/performance.md): each figure next to its target and its ratio to the floor or the
# baseline measured in the same run (the button's hover tick is measured again in the scroll bar's
# and the slider's programs). The JSON of every program stays in build/release/bench-results.
# Other work on the machine spreads the figures: look at the load printed first, and run again
# when the machine is quiet.
#   scripts/bench.sh [REPETITIONS]
set -euo pipefail
cd "$(dirname "$0")/.."
reps=${1:-5}
case "$reps" in '' | *[!0-9]* | 0) echo "usage: scripts/bench.sh [REPETITIONS]" >&2; exit 2 ;; esac
./scripts/install-deps.sh jq >/dev/null
cmake --preset release >/dev/null
programs=(ButtonBench ScrollBarBench SliderBench ProgressBarBench TextBoxBench ToolbarBench MenuBench CollectionBench)
cmake --build --preset release -j"$(nproc)" --target "${programs[@]}" vornform >/dev/null
results=build/release/bench-results
rm -rf "$results" && mkdir -p "$results"

echo "machine: $(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2 | sed 's/^ //'), $(nproc) cores;" \
     "load average $(cut -d' ' -f1-3 /proc/loadavg)"
for p in "${programs[@]}"; do
  build/release/bench/"$p" --benchmark_repetitions="$reps" --benchmark_report_aggregates_only=true \
    --benchmark_enable_random_interleaving=true \
    --benchmark_format=json --benchmark_out="$results/$p.json" --benchmark_out_format=json >/dev/null 2>&1
done

# The whole process: vornform rendering the gallery without a display (then replaying its
# built-in script, which the figure includes), in a scratch folder, median of REPETITIONS + 4 runs.
# Timed by the shell's own clock around one fork and exec of vornform: a date or env process
# around it cost several milliseconds more on a virtual machine.
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
vornform=$(pwd)/build/release/tools/vornform/vornform
times=()
for _ in $(seq $((reps + 4))); do
  start=${EPOCHREALTIME/[.,]/}
  (cd "$scratch" && unset DISPLAY WAYLAND_DISPLAY && exec "$vornform" demo >/dev/null)
  end=${EPOCHREALTIME/[.,]/}
  times+=($((end - start)))
done
startup_us=$(printf '%s\n' "${times[@]}" | sort -n | sed -n "$(( (${#times[@]} + 1) / 2 ))p")

jq -n -r --argjson startup "$startup_us" -f /dev/stdin "$results"/*.json <<'JQ'
def ns: (if .time_unit == "ms" then 1e6 elif .time_unit == "us" then 1e3 else 1 end) * .cpu_time;
[inputs | (input_filename | split("/") | last | rtrimstr(".json")) as $program
 | .benchmarks[] | select(.aggregate_name == "median" or (.run_type == "iteration" and .repetitions == 1))
 | . + {program: $program}] as $m
| def t($n): ($m | map(select(.run_name == $n)) | if length == 0 then error("no benchmark \($n)") else .[0] | ns end);
  # A figure of the given program: the button's tick is measured again beside each control's.
  def tp($p; $n): ($m | map(select(.program == $p and .run_name == $n)) | if length == 0 then error("no \($n) in \($p)")
                   else .[0] | ns end);
  def c($n; $k): ($m | map(select(.run_name == $n)) | .[0][$k]);
  def show($v): if $v >= 1e6 then "\($v / 1e6 * 100 | round / 100) ms" elif $v >= 1e3 then "\($v / 1e3 * 100 | round / 100) us"
                else "\($v * 10 | round / 10) ns" end;
  def r2: . * 100 | round / 100;
  def row($figure; $value; $target; $ratio; $ok): [$figure, $value, $target, $ratio, (if $ok then "yes" else "NO" end)];
  (["benchmark", "median (CPU)", "allocations"]),
  ($m | map([.program + " " + .run_name, show(ns), ((.allocs_per_repaint // .allocs_per_lookup // .allocs_per_tick // null)
                                    | if . == null then "" else "\(. | r2) a run" end)]) | .[]),
  ([]),
  (["figure", "median", "target", "ratio", "met"]),
  ([t("BM_MenuCreateMenu/1000") + t("BM_MenuDrawMenu/1000")] | .[0] as $v
   | row("menu, 1,000 items: CreateMenu + DrawMenu"; show($v); "< 1 ms"; "\($v / 1e6 | r2) of 1 ms"; $v < 1e6)),
  (t("BM_MenuPointerMove/1000") as $v
   | row("menu, 1,000 items: pointer move, new highlight"; show($v); "< 20 us"; "\($v / 2e4 | r2) of 20 us"; $v < 2e4)),
  (t("BM_CollectionAdd100k/keyed:1") as $v | t("BM_UnorderedMapLowerAsciiAndInsert100k") as $b
   | t("BM_UnorderedMapFoldAndInsert100k") as $f
   | row("keyed Add of 100,000 ASCII keys"; show($v); "<= 1.5 x map";
         "\($v / $b | r2) x std::unordered_map lower-casing ASCII \(show($b)); \($v / $f | r2) x one folding as the collection does \(show($f))";
         $v <= 1.5 * $b)),
  (c("BM_CollectionItemByKey"; "allocs_per_lookup") as $a | t("BM_CollectionItemByKey") as $v
   | row("Item by key"; show($v); "0 allocations"; "\($a) allocations"; $a == 0)),
  (t("BM_CollectionEnumerate100k/walk:2") as $v | t("BM_CollectionEnumerate100k/walk:1") as $b
   | t("BM_CollectionEnumerate100k/walk:0") as $bare
   | row("For Each (enumerator), 100,000"; show($v); "<= 2 x by position";
         "\($v / $b | r2) x position walk \(show($b)); \($v / $bare | r2) x bare iterator"; $v <= 2 * $b)),
  ((t("BM_CollectionRemoveAllFromTheFront/100000") / 1e5) as $v | (t("BM_CollectionRemoveAllFromTheFront/10000") / 1e4) as $b
   | row("Remove 1 until empty, per entry, 100,000"; show($v); "linear: <= 2 x at 10,000"; "\($v / $b | r2) x \(show($b))";
         $v <= 2 * $b)),
  (t("BM_ProgressBarCaptionOverTheSamePixels") as $v | t("BM_ProgressBarCaptionOverNewPixels/halo:0") as $b
   | row("progress bar, same pixels: halo + caption"; show($v); "<= 1.5 x one Print"; "\($v / $b | r2) x a Print \(show($b))";
         $v <= 1.5 * $b)),
  (t("BM_ProgressBarCaptionOverNewPixels/halo:1") as $v | t("BM_ProgressBarCaptionOverNewPixels/halo:0") as $b
   | row("progress bar, new pixels: halo + caption"; show($v); "<= 1.5 x one Print"; "\($v / $b | r2) x a Print \(show($b))";
         $v <= 1.5 * $b)),
  (t("BM_ButtonFace/w:100/h:30") as $v | t("BM_Memset/w:100/h:30") as $b
   | row("button without caption, 100 x 30"; show($v); "<= 5 x memset"; "\($v / $b | r2) x memset \(show($b))"; $v <= 5 * $b)),
  (t("BM_ButtonFace/w:400/h:300") as $v | t("BM_Memset/w:400/h:300") as $b
   | row("button without caption, 400 x 300"; show($v); "<= 3 x memset"; "\($v / $b | r2) x memset \(show($b))"; $v <= 3 * $b)),
  (t("BM_ScrollBarHoverTick") as $v | tp("ScrollBarBench"; "BM_ButtonHoverTick") as $b
   | row("scroll bar hover tick"; show($v); "<= 1.3 x button tick"; "\($v / $b | r2) x \(show($b))"; $v <= 1.3 * $b)),
  (t("BM_SliderHoverTick") as $v | tp("SliderBench"; "BM_ButtonHoverTick") as $b
   | row("slider hover tick"; show($v); "<= 1.3 x button tick"; "\($v / $b | r2) x \(show($b))"; $v <= 1.3 * $b)),
  (($startup * 1e3) as $v
   | row("vornform demo (renders the gallery), whole process"; show($v); "< 50 ms"; "\($v / 5e7 | r2) of 50 ms"; $v < 5e7))
| @tsv
JQ
