// Timings of the main window on the demonstration ledger of 100,000 assets
// that bench_ledger builds ($ZK_BENCH_HOME, default /tmp/zk-bench-ledger):
// start-up to a painted list, keyword search, filter change and scrolling.
#include "app/Configer.h"
#include "app/Startup.h"
#include "data/RecordSet.h"
#include "ledger/Asset.h"
#include "ledger/AssetWhere.h"
#include "ui/framework/KamoDBGrid.h"
#include "ui/framework/Lookups.h"
#include "ui/framework/ZoEdit.h"
#include "ui/windows/main.h"
#include <QApplication>
#include <QFile>
#include <QScrollBar>
#include <benchmark/benchmark.h>
#include <memory>

namespace {

std::unique_ptr<TmainFrm> g_frm;

TmainFrm &mainWindow()
{
    if (!g_frm) {
        g_frm = std::make_unique<TmainFrm>();
        g_frm->resize(1280, 800);
        g_frm->show();
        QApplication::processEvents();
    }
    return *g_frm;
}

// Paints the window now, as the event loop would after the change.
void paint(TmainFrm &frm)
{
    frm.Grid()->viewport()->repaint();
    QApplication::processEvents();
}

void BM_a_StartupToUsableList(benchmark::State &state)
{
    for (auto _ : state) {
        g_frm.reset();
        paint(mainWindow());
    }
    state.counters["rows"] = mainWindow().Assets().DataSet()->RecordCount();
}

void BM_b_KeywordSearch(benchmark::State &state)
{
    TmainFrm &frm = mainWindow();
    frm.findChild<TzoEdit *>(QStringLiteral("cmbPartNo1"))->setText(QStringLiteral("电脑"));
    for (auto _ : state) {
        frm.KeywordSearch();
        paint(frm);
    }
    state.counters["rows"] = frm.Assets().DataSet()->RecordCount();
}

void BM_c_FilterChange(benchmark::State &state)
{
    TmainFrm &frm = mainWindow();
    auto *range = frm.findChild<TComboBox *>(QStringLiteral("cmbState1"));
    int index = 0;
    for (auto _ : state) {
        range->setCurrentIndex(index);
        Q_EMIT range->activated(index); // as choosing the entry does
        paint(frm);
        index = index == 0 ? 1 : 0; // 不限 and 现有资产 in turn
    }
    state.counters["rows"] = frm.Assets().DataSet()->RecordCount();
}

// One page of scrolling through the whole list, painted.
void BM_d_ScrollPage(benchmark::State &state)
{
    TmainFrm &frm = mainWindow();
    QScrollBar *bar = frm.Grid()->verticalScrollBar();
    for (auto _ : state) {
        int next = bar->value() + bar->pageStep();
        bar->setValue(next > bar->maximum() ? 0 : next);
        paint(frm);
    }
    state.counters["rows"] = frm.Assets().DataSet()->RecordCount();
}

// The search behind the default list without the window: what the window adds is the rest.
void BM_e_SearchAlone(benchmark::State &state)
{
    TAssetsSet assets;
    RAssetWhere held;
    held.Reduced = false;
    for (auto _ : state)
        state.counters["rows"] = assets.Search(held);
}

} // namespace

BENCHMARK(BM_a_StartupToUsableList)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_b_KeywordSearch)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(BM_c_FilterChange)->Unit(benchmark::kMillisecond)->Iterations(6);
BENCHMARK(BM_d_ScrollPage)->Unit(benchmark::kMillisecond)->Iterations(200);
BENCHMARK(BM_e_SearchAlone)->Unit(benchmark::kMillisecond)->Iterations(3);

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    if (qEnvironmentVariableIsEmpty("ZOKAMO_RESOURCES"))
        qputenv("ZOKAMO_RESOURCES", ZK_BENCH_RESOURCES);
    ZoStartup::InitProcess();
    QString home = qEnvironmentVariable("ZK_BENCH_HOME");
    if (home.isEmpty())
        home = QStringLiteral("/tmp/zk-bench-ledger");
    const QString file = home + QStringLiteral("/ledger-100k.db");
    if (!QFile::exists(file) || !AppDatabase().Connect(TConfiger::LocalFileConnectionString(file)))
        qFatal("%s is missing: run bench_ledger first, which builds it", qPrintable(file));
    ZoStartup::LoadStartupSettings();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    g_frm.reset();
    ResetAppDatabase();
    return 0;
}
