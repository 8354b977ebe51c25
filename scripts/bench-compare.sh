#!/bin/bash
# Whole-process timings on the synthetic projects, side by side in one run:
# the floor (reading the script and splitting it into words, wc -w), the
# designer's import of the script, llvm-rc and windres compiling it, opening
# the KVL file and saving it again. Best wall time of RUNS runs, peak memory
# from /usr/bin/time. Ends with the ratios the performance targets name.
#
#   scripts/bench-compare.sh [BUILD_DIR]     (default build/rel)
set -eu
cd "$(dirname "$0")/.."
BUILD=${1:-build/rel}
RUNS=${RUNS:-5}
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

# One run of a command: "seconds kb". The wall time is taken to the
# microsecond around it (the floor lasts a few hundredths of a second, where
# /usr/bin/time's own hundredths would make the ratios jump); the peak memory
# comes from /usr/bin/time.
once() {
    local t0=$EPOCHREALTIME t1
    /usr/bin/time -f "%M" -o "$DATA/time.txt" "$@" >/dev/null 2>&1 || true
    t1=$EPOCHREALTIME
    echo "$(awk -v a="$t0" -v b="$t1" 'BEGIN { printf "%.3f", b - a }') $(tail -1 "$DATA/time.txt")"
}

step_command() { # SIZE STEP: the command line of one step
    local rc=$DATA/$1.rc kvl=$DATA/${1}_app.bas
    case $2 in
    floor) echo env LC_ALL=C wc -w "$rc" ;;
    kvl-floor) echo env LC_ALL=C wc -w "$kvl" ;;
    import) echo "$CLI" view counts "$rc" ;;
    llvm-rc) echo llvm-rc -fo "$DATA/$1.res" "$rc" ;;
    windres) echo x86_64-w64-mingw32-windres -O coff -o "$DATA/$1.o" "$rc" ;;
    open) echo "$CLI" view counts "$kvl" ;;
    save) echo "$CLI" --yes save "$DATA/save_$1.bas" ;;
    esac
}

SIZES="small medium large 2000x100"
STEPS="floor import llvm-rc windres kvl-floor open save"
for size in $SIZES; do
    cp "$DATA/${size}_app.bas" "$DATA/save_$size.bas"
    cp "$DATA/${size}_app.rc" "$DATA/save_$size.rc" 2>/dev/null || true
done
# The steps take turns, round after round, so that a busy moment of a shared
# machine does not fall on one step only; each keeps its best time and its
# largest peak memory.
declare -A T M
for _ in $(seq "$RUNS"); do
    for size in $SIZES; do
        for step in $STEPS; do
            # shellcheck disable=SC2046
            r=$(once $(step_command "$size" "$step"))
            s=${r% *}
            kb=${r#* }
            k=$size.$step
            if [ -z "${T[$k]:-}" ] || awk "BEGIN{exit !($s < ${T[$k]})}"; then T[$k]=$s; fi
            if [ -z "${M[$k]:-}" ] || [ "$kb" -gt "${M[$k]}" ]; then M[$k]=$kb; fi
        done
    done
done

printf "%-9s %-14s %9s %10s\n" size step seconds peak_MB
for size in $SIZES; do
    for step in $STEPS; do
        printf "%-9s %-14s %9s %10.1f\n" "$size" "$step" "${T[$size.$step]}" \
            "$(awk "BEGIN{print ${M[$size.$step]}/1024}")"
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
