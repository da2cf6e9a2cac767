#include "app/CustomLabels.h"
#include "cli/CliCommand.h"
#include "cli/Csv.h"
#include "ledger/Asset.h"
#include "ledger/AssetWhere.h"
#include "ledger/DemoLedger.h"
#include "ledger/DepreciationTable.h"
#include <QDate>

using namespace Qt::StringLiterals;

namespace {

// An integer option; absent gives `def`, anything but a number in range is an error.
int intOption(const QStringList &args, const QString &option, int def, int min, int max)
{
    const QString text = Cli::Option(args, option);
    if (text.isEmpty() && !args.contains(option))
        return def;
    bool ok = false;
    const int value = text.toInt(&ok);
    if (!ok || value < min || value > max)
        throw EZoError(u"选项 %1 的值“%2”无效, 应为 %3 到 %4 之间的整数."_s.arg(option, text).arg(min).arg(max));
    return value;
}

int runDemo(const QStringList &args)
{
    const int count = intOption(args, u"--assets"_s, 1000, 0, 10000000);
    Cli::Connect(args);
    DemoLedger::Fill(count, quint32(intOption(args, u"--seed"_s, 20261101, 0, 2147483647)));
    Cli::Out(u"已生成演示账套: %1 项资产\n"_s.arg(count));
    return 0;
}

int runAssets(const QStringList &args)
{
    if (Cli::HasFlag(args, u"--held"_s) && Cli::HasFlag(args, u"--disposed"_s))
        throw EZoError(u"--held 和 --disposed 不能同时使用."_s);
    Cli::Connect(args);
    CustomLabels::Load();
    RAssetWhere where;
    ClearWhere(where);
    where.Keyword = Cli::Option(args, u"--keyword"_s);
    if (Cli::HasFlag(args, u"--held"_s))
        where.Reduced = false;
    if (Cli::HasFlag(args, u"--disposed"_s))
        where.Reduced = true;
    where.CataCode = Cli::Option(args, u"--class"_s);
    where.UseDeptCode = Cli::Option(args, u"--dept"_s);
    TAssetsSet assets;
    assets.Search(where);
    Cli::Out(Csv::FromDataSet(*assets.DataSet()));
    return 0;
}

int runDepreciation(const QStringList &args)
{
    if (!args.contains(u"--year"_s))
        throw EZoError(u"缺少选项 --year."_s);
    const int year = intOption(args, u"--year"_s, 0, 1900, 9999);
    const int month = intOption(args, u"--month"_s, 0, 1, 12);
    const QString catalog = Cli::Option(args, u"--class"_s), department = Cli::Option(args, u"--dept"_s);
    Cli::Connect(args);
    std::unique_ptr<TDepreciationTableBase> table;
    if (month > 0) {
        auto monthly = std::make_unique<TDepreciation>();
        monthly->BuildTable(year, month, catalog, department);
        table = std::move(monthly);
    } else {
        auto yearly = std::make_unique<TDepreciationByYear>();
        yearly->BuildTable(year, catalog, department);
        table = std::move(yearly);
    }
    Cli::Out(Csv::FromDataSet(*table->DataSet()));
    return table->Failures().isEmpty() ? 0 : 3; // the failures went to standard error
}

TCliRegistration demo({u"demo"_s, u"demo --assets N [--seed S] [--database FILE]   生成演示账套"_s, runDemo});
TCliRegistration assets({u"assets"_s, u"assets [--keyword K] [--held|--disposed] [--class CODE] [--dept CODE] [--database FILE]   资产清单(CSV)"_s, runAssets});
TCliRegistration depreciation({u"depreciation"_s, u"depreciation --year Y [--month M] [--class CODE] [--dept CODE] [--database FILE]   折旧表(CSV)"_s, runDepreciation});

} // namespace
