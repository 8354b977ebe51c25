#!/bin/bash
# Compares what two builds of wrenkit-cli make of the same files: every view,
# check, save, save --as and save --as --new of the project's and the shared
# corpus, the example, two generated projects and the KVL files the old build
# writes for each script and form. Prints the differing outputs; exit 0 when
# there are none.
#   scripts/cli-compare.sh OLD_CLI NEW_CLI GENPROJECT [WORKDIR]
set -u
old=$(realpath "$1") new=$(realpath "$2") gen=$(realpath "$3")
cd "$(dirname "$0")/.."
work=${4:-$(mktemp -d)}
in=$work/in
rm -rf "$in" && mkdir -p "$in/rc" "$in/frm" "$in/bas" "$in/kvl" "$in/gen_s" "$in/gen_m"
shared=${WRENKIT_CORPUS_DIR:-../shared/corpus}
cp -n tests/corpus/rc/* "$shared"/rc/* tests/data/cli/*.rc "$in/rc/" 2>/dev/null
cp "$shared"/frm/* tests/data/cli/*.frm "$in/frm/" 2>/dev/null
cp examples/*.bas "$in/bas/"
"$gen" small "$in/gen_s" s >/dev/null && "$gen" 20x15 "$in/gen_m" m >/dev/null
for f in "$in"/rc/* "$in"/frm/*; do
    b=$(basename "$f")
    "$old" --yes save "$f" --as "$in/kvl/${b%.*}_${b##*.}.bas" >/dev/null 2>&1
done

outputs() { # cli, input folder, output folder
    local cli=$1 dir=$2 out=$3 f b k m w g
    mkdir -p "$out"
    for f in "$dir"/*.bas "$dir"/*.inc "$dir"/*.rc "$dir"/*.dlg "$dir"/*.h "$dir"/*.frm; do
        [ -f "$f" ] || continue
        b=$(basename "$f")
        for k in kvl rc new-kvl new-rc sdk-rc sdk-basic json counts; do
            "$cli" --yes view $k "$f" >"$out/$b.$k" 2>&1
            echo "exit $?" >>"$out/$b.$k"
        done
        "$cli" --yes check "$f" >"$out/$b.check" 2>&1
        echo "exit $?" >>"$out/$b.check"
        for m in save as new; do
            w=$(mktemp -d)
            cp "$dir"/* "$w/"
            case $m in
            save) "$cli" --yes save "$w/$b" ;;
            as) "$cli" --yes save "$w/$b" --as "$w/out.bas" ;;
            new) "$cli" --yes save "$w/$b" --as "$w/out.bas" --new ;;
            esac >"$out/$b.$m" 2>&1
            echo "exit $?" >>"$out/$b.$m"
            sed -i "s#$w#DIR#g" "$out/$b.$m"
            mkdir -p "$out/$b.$m.files"
            for g in "$w"/*; do
                cmp -s "$g" "$dir/$(basename "$g")" || cp "$g" "$out/$b.$m.files/"
            done
            rm -rf "$w"
        done
    done
}

for side in old new; do
    cli=$old
    [ $side = new ] && cli=$new
    rm -rf "$work/$side"
    for d in "$in"/*/; do
        outputs "$cli" "$d" "$work/$side/$(basename "$d")" &
    done
    wait
done
echo "$(find "$work/old" -type f | wc -l) outputs compared in $work"
diff -r "$work/old" "$work/new"
