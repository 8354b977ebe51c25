// Whole projects at three sizes, side by side with the floor (reading the file
// and splitting it into words) and two resource compilers on the same script.
// The files come from wk_genproject in $WK_BENCH_DIR (scripts/bench-compare.sh
// makes them): small.rc and small_app.bas, and the same for medium and large.
#include "app/files/file_ops.h"
#include "cli/cli_app.h"
#include "cli/cli_seam.h"
#include "model/fonts.h"
#include "model/path_rules.h"
#include "model/project.h"
#include "model/user_seam.h"
#include "styles/catalog.h"
#include "styles/control_kinds.h"
#include "writers/kvl_writer.h"
#include "writers/rc_writer.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>

namespace {

const char* const aszSize[] = {"small", "medium", "large"};

std::string BenchFile(int64_t lSize, const char* szExt) {
    const char* szDir = std::getenv("WK_BENCH_DIR");
    return std::string(szDir ? szDir : ".") + "/" + aszSize[lSize] + szExt;
}

std::string FileText(const std::string& sPath) {
    std::ifstream tIn(sPath, std::ios::binary);
    std::ostringstream tOut;
    tOut << tIn.rdbuf();
    return tOut.str();
}

bool Missing(benchmark::State& tState, const std::string& sPath) {
    if (FileText(sPath).empty()) {
        tState.SkipWithError(("missing " + sPath + " (run wk_genproject)").c_str());
        return true;
    }
    return false;
}

// One designer command in full: start-up, open, the view, close.
int Cli(const std::string& sFile, const char* szKind) {
    tCliArgs tArgs;
    tArgs.bYes = true;
    tArgs.sCommand = "view";
    tArgs.sKind = szKind;
    tArgs.sFile = sFile;
    std::FILE* pNull = std::fopen("/dev/null", "w");
    int lExit = RunCli(tArgs, pNull, pNull);
    std::fclose(pNull);
    return lExit;
}

// Opens a file for the writer benchmarks and leaves it open.
struct OpenProject {
    CliSeam tSeam{true, stderr};
    UserSeam* pOld;
    explicit OpenProject(const std::string& sFile) : pOld(SetSeam(&tSeam)) {
        LoadDesignerCatalogOnce();
        if (ghFontCnt == 0) {
            AddFont(DefaultFontDescription());
        }
        if (sFile.ends_with(".rc")) {
            ImportFile(sFile);
        } else {
            OpenFile(sFile, wkFileKvl);
        }
    }
    ~OpenProject() {
        glChanged = 0;
        CloseFile();
        SetSeam(pOld);
    }
};

void BM_Floor(benchmark::State& tState) {
    const std::string sPath = BenchFile(tState.range(0), ".rc");
    if (Missing(tState, sPath)) {
        return;
    }
    for (auto _ : tState) {
        const std::string s = FileText(sPath);
        size_t lWords = 0;
        bool bIn = false;
        for (char c : s) {
            const bool bSpace = c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == ',';
            lWords += !bSpace && !bIn ? 1 : 0;
            bIn = !bSpace;
        }
        benchmark::DoNotOptimize(lWords);
    }
}

void BM_ImportRC(benchmark::State& tState) {
    const std::string sPath = BenchFile(tState.range(0), ".rc");
    if (Missing(tState, sPath)) {
        return;
    }
    for (auto _ : tState) {
        benchmark::DoNotOptimize(Cli(sPath, "counts"));
    }
}

void BM_OpenKVL(benchmark::State& tState) {
    const std::string sPath = BenchFile(tState.range(0), "_app.bas");
    if (Missing(tState, sPath)) {
        return;
    }
    for (auto _ : tState) {
        benchmark::DoNotOptimize(Cli(sPath, "counts"));
    }
}

void BM_WriteNewKVL(benchmark::State& tState) {
    const std::string sPath = BenchFile(tState.range(0), ".rc");
    if (Missing(tState, sPath)) {
        return;
    }
    OpenProject tOpen(sPath);
    for (auto _ : tState) {
        gtDoc.lAsNew = 1;
        benchmark::DoNotOptimize(BuildNewKvlFile(gtDoc, tWriteLayout{}));
        gtDoc.lAsNew = 0;
    }
}

void BM_WriteNewRC(benchmark::State& tState) {
    const std::string sPath = BenchFile(tState.range(0), ".rc");
    if (Missing(tState, sPath)) {
        return;
    }
    OpenProject tOpen(sPath);
    for (auto _ : tState) {
        benchmark::DoNotOptimize(BuildFullRCFile(tWriteLayout{}));
    }
}

// What Save writes for an opened KVL file: the file with its blocks
// regenerated in place, and its companion script.
void BM_UpdateSave(benchmark::State& tState) {
    const std::string sPath = BenchFile(tState.range(0), "_app.bas");
    if (Missing(tState, sPath)) {
        return;
    }
    OpenProject tOpen(sPath);
    for (auto _ : tState) {
        benchmark::DoNotOptimize(BuildKvlFile(gtDoc, tWriteLayout{}, true));
        benchmark::DoNotOptimize(BuildRCFile(gtDoc, tWriteLayout{}, true));
    }
}

void RunTool(benchmark::State& tState, const std::string& sCommand) {
    const std::string sPath = BenchFile(tState.range(0), ".rc");
    if (Missing(tState, sPath)) {
        return;
    }
    const std::string sLine = sCommand + " '" + sPath + "' >/dev/null 2>&1";
    for (auto _ : tState) {
        if (std::system(sLine.c_str()) != 0) {
            tState.SkipWithError(("failed: " + sLine).c_str());
            return;
        }
    }
}

void BM_LlvmRc(benchmark::State& tState) {
    RunTool(tState, "llvm-rc -fo /tmp/wk_bench_llvm.res");
}

void BM_Windres(benchmark::State& tState) {
    RunTool(tState, "x86_64-w64-mingw32-windres -O coff -o /tmp/wk_bench_windres.o");
}

#define WK_SIZES DenseRange(0, 2)->Unit(benchmark::kMillisecond)
BENCHMARK(BM_Floor)->WK_SIZES;
BENCHMARK(BM_ImportRC)->WK_SIZES;
BENCHMARK(BM_OpenKVL)->WK_SIZES;
BENCHMARK(BM_WriteNewKVL)->WK_SIZES;
BENCHMARK(BM_WriteNewRC)->WK_SIZES;
BENCHMARK(BM_UpdateSave)->WK_SIZES;
BENCHMARK(BM_LlvmRc)->WK_SIZES->UseRealTime();
BENCHMARK(BM_Windres)->WK_SIZES->UseRealTime();

} // namespace
