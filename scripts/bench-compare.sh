#!/bin/bash
# Whole-process timings on the synthetic projects, side by side in one run:
# the floor (reading the script and splitting it into words, wc -w), the
# designer's import of the script, llvm-rc and windres compiling it, opening
# the KVL file and saving it again. Best wall time of RUNS runs, peak memory
# from /usr/bin/time -v. Ends with the ratios the performance targets name.
#
#   scripts/bench-compare.sh [BUILD_DIR]     (default build/h-scale-rel)
set -eu
cd "$(dirname "$0")/.."
BUILD=${1:-build/h-scale-rel}
RUNS=${RUNS:-3}
DATA=$BUILD/bench-data
CLI=$(find "$BUILD/cli" -maxdepth 1 -name wrenkit-cli -type f | head -1)
GEN=$BUILD/bench/wk_genproject
[ -x "$CLI" ] && [ -x "$GEN" ] || {
    echo "build wrenkit-cli and wk_genproject in $BUILD first" >&2
    exit 2
}
mkdir -p "$DATA"
for size in small medium large 2000x100; do
    [ -s "$DATA/${size}_app.bas" ] || "$GEN" "$size" "$DATA" "$size" >/dev/null
done

# best SECONDS and KB of RUNS runs of a command: "seconds kb"
measure() {
    local best="" mem=0 line s kb
    for _ in $(seq "$RUNS"); do
        /usr/bin/time -f "%e %M" -o "$DATA/time.txt" "$@" >/dev/null 2>&1 || true
        line=$(tail -1 "$DATA/time.txt")
        s=${line% *}
        kb=${line#* }
        if [ -z "$best" ] || awk "BEGIN{exit !($s < $best)}"; then best=$s; fi
        [ "$kb" -gt "$mem" ] && mem=$kb
    done
    echo "$best $mem"
}

declare -A T M
printf "%-9s %-14s %9s %10s\n" size step seconds peak_MB
for size in small medium large 2000x100; do
    rc=$DATA/$size.rc
    kvl=$DATA/${size}_app.bas
    cp "$kvl" "$DATA/save_$size.bas"
    cp "$DATA/${size}_app.rc" "$DATA/save_$size.rc" 2>/dev/null || true
    for step in floor import llvm-rc windres kvl-floor open save; do
        case $step in
        floor) r=$(measure env LC_ALL=C wc -w "$rc") ;;
        kvl-floor) r=$(measure env LC_ALL=C wc -w "$kvl") ;;
        import) r=$(measure "$CLI" view counts "$rc") ;;
        llvm-rc) r=$(measure llvm-rc -fo "$DATA/$size.res" "$rc") ;;
        windres) r=$(measure x86_64-w64-mingw32-windres -O coff -o "$DATA/$size.o" "$rc") ;;
        open) r=$(measure "$CLI" view counts "$kvl") ;;
        save) r=$(measure "$CLI" --yes save "$DATA/save_$size.bas") ;;
        esac
        T[$size.$step]=${r% *}
        M[$size.$step]=${r#* }
        printf "%-9s %-14s %9s %10.1f\n" "$size" "$step" "${r% *}" "$(awk "BEGIN{print ${r#* }/1024}")"
    done
done

ratio() { awk -v a="$1" -v b="$2" 'BEGIN { if (b < 0.005) b = 0.005; printf "%.2f", a / b }'; }
echo
echo "large: import / floor          $(ratio "${T[large.import]}" "${T[large.floor]}")   (target <= 5)"
echo "large: import / llvm-rc        $(ratio "${T[large.import]}" "${T[large.llvm-rc]}")   (target < 0.5)"
echo "large: open / KVL floor       $(ratio "${T[large.open]}" "${T[large.kvl-floor]}")   (target <= 5)"
# The update save on its own: the run that opens and saves less the run that
# only opens, both best of RUNS.
upd=$(awk -v a="${T[large.save]}" -v b="${T[large.open]}" 'BEGIN { d = a - b; printf "%.2f", d < 0 ? 0 : d }')
echo "large: update save alone       ${upd} s (open + save ${T[large.save]} s less open ${T[large.open]} s)"
echo "large: update save / KVL floor $(ratio "$upd" "${T[large.kvl-floor]}")   (target <= 5)"
echo "large: update save / llvm-rc   $(ratio "$upd" "${T[large.llvm-rc]}")   (target < 0.5)"
echo "large: open + save / KVL floor $(ratio "${T[large.save]}" "${T[large.kvl-floor]}")"
echo "large: open / llvm-rc          $(ratio "${T[large.open]}" "${T[large.llvm-rc]}")   (target < 0.5)"
echo "large: open + save / llvm-rc   $(ratio "${T[large.save]}" "${T[large.llvm-rc]}")"
echo "2x large / large: import       $(ratio "${T[2000x100.import]}" "${T[large.import]}")   (target <= 2.2)"
echo "2x large / large: open         $(ratio "${T[2000x100.open]}" "${T[large.open]}")   (target <= 2.2)"
echo "2x large / large: open + save  $(ratio "${T[2000x100.save]}" "${T[large.save]}")   (target <= 2.2)"
echo "large: peak memory import / llvm-rc  $(ratio "${M[large.import]}" "${M[large.llvm-rc]}")   (target < 1)"
echo "large: peak memory open / llvm-rc    $(ratio "${M[large.open]}" "${M[large.llvm-rc]}")   (target < 1)"
