// Timings of the asset list and the depreciation tables on a demonstration
// ledger of 100,000 assets (an SQLite file kept between runs in
// $ZK_BENCH_HOME, default /tmp/zk-bench-ledger).
#include "app/Configer.h"
#include "app/Startup.h"
#include "data/RecordSet.h"
#include "data/Schema.h"
#include "ledger/Asset.h"
#include "ledger/AssetWhere.h"
#include "ledger/DemoLedger.h"
#include "ledger/DepreciationTable.h"
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <benchmark/benchmark.h>
#include <cstdio>

namespace {

constexpr int kAssets = 100000;

RAssetWhere monthlyTableWhere()
{
    RAssetWhere w;
    w.Reduced = false;
    w.Depreciating = true;
    return w;
}

// A figure of /proc/self/status in bytes ("VmRSS", "VmHWM").
qint64 procStatus(const char *key)
{
    QFile f(QStringLiteral("/proc/self/status"));
    if (!f.open(QIODevice::ReadOnly))
        return 0;
    const QByteArray prefix = QByteArray(key) + ':';
    for (const QByteArray &line : f.readAll().split('\n'))
        if (line.startsWith(prefix))
            return line.mid(prefix.size()).trimmed().split(' ').value(0).toLongLong() * 1024;
    return 0;
}

void connectLedger()
{
    QString home = qEnvironmentVariable("ZK_BENCH_HOME");
    if (home.isEmpty())
        home = QStringLiteral("/tmp/zk-bench-ledger");
    QDir().mkpath(home);
    const QString file = home + QStringLiteral("/ledger-100k.db");
    const bool fresh = !QFile::exists(file);
    if (fresh)
        ZoSchema::CreateDatabaseFile(file);
    if (!AppDatabase().Connect(TConfiger::LocalFileConnectionString(file)))
        qFatal("cannot open %s", qPrintable(file));
    if (fresh) {
        std::fprintf(stderr, "building the demonstration ledger of %d assets in %s ...\n", kAssets, qPrintable(file));
        DemoLedger::Fill(kAssets);
    }
    if (QueryValue(QStringLiteral("select count(*) from assets")).toInt() != kAssets)
        qFatal("%s does not hold %d assets; remove it to rebuild", qPrintable(file), kAssets);
}

void BM_a_SearchForMonthlyTable(benchmark::State &state)
{
    int rows = 0;
    for (auto _ : state) {
        TAssetsSet assets;
        rows = assets.Search(monthlyTableWhere());
    }
    state.counters["rows"] = rows;
}

void BM_b_MonthlyTable(benchmark::State &state)
{
    TDepreciation table;
    for (auto _ : state)
        table.BuildTable(2026, 11, QString(), QString());
    state.counters["rows"] = table.DataSet()->RecordCount();
}

void BM_c_YearlyTable(benchmark::State &state)
{
    TDepreciationByYear table;
    for (auto _ : state)
        table.BuildTable(2026, QString(), QString());
    state.counters["rows"] = table.DataSet()->RecordCount();
}

void BM_d_KeywordSearch(benchmark::State &state)
{
    RAssetWhere w;
    w.Keyword = QStringLiteral("电脑");
    int rows = 0;
    for (auto _ : state) {
        TAssetsSet assets;
        rows = assets.Search(w);
    }
    state.counters["rows"] = rows;
}

// The whole register as the main window lists it: what the rows cost in memory.
void BM_e_ListMemory(benchmark::State &state)
{
    for (auto _ : state) {
        const qint64 before = procStatus("VmRSS");
        auto assets = std::make_unique<TAssetsSet>();
        const int rows = assets->Search(RAssetWhere());
        const qint64 held = procStatus("VmRSS") - before;
        state.counters["rows"] = rows;
        state.counters["list_MiB"] = double(held) / (1024 * 1024);
        state.counters["bytes_per_asset"] = rows > 0 ? double(held) / rows : 0;
        state.counters["process_peak_MiB"] = double(procStatus("VmHWM")) / (1024 * 1024);
    }
}

} // namespace

BENCHMARK(BM_a_SearchForMonthlyTable)->Unit(benchmark::kMillisecond)->MinTime(3);
BENCHMARK(BM_b_MonthlyTable)->Unit(benchmark::kMillisecond)->MinTime(3);
BENCHMARK(BM_c_YearlyTable)->Unit(benchmark::kMillisecond)->MinTime(3);
BENCHMARK(BM_d_KeywordSearch)->Unit(benchmark::kMillisecond)->MinTime(3);
BENCHMARK(BM_e_ListMemory)->Unit(benchmark::kMillisecond)->Iterations(1);

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    if (qEnvironmentVariableIsEmpty("ZOKAMO_RESOURCES"))
        qputenv("ZOKAMO_RESOURCES", ZK_BENCH_RESOURCES);
    ZoStartup::InitProcess();
    connectLedger();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    ResetAppDatabase();
    return 0;
}
