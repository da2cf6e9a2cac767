#include "ledger/DemoLedger.h"
#include "app/KeyValue.h"
#include "ledger/Asset.h"
#include "ledger/Tree.h"
#include <QRandomGenerator>

using namespace Qt::StringLiterals;

namespace {

// A node of a demonstration tree: its name and children.
struct Node {
    QString Name;
    QList<Node> Children;
};

// Class tree; the first level also chooses the names, units and lives of its assets.
struct AssetFamily {
    Node Tree;
    QStringList Names;
    QString Unit;
    int MinYears, MaxYears;
    int MinValue, MaxValue; // yuan
};

QList<AssetFamily> families()
{
    return {
        {{u"房屋及建筑物"_s, {{u"生产用房"_s, {{u"厂房"_s, {}}, {u"仓库"_s, {}}}}, {u"非生产用房"_s, {{u"办公楼"_s, {}}, {u"职工宿舍"_s, {}}}}}},
         {u"办公楼"_s, u"厂房"_s, u"仓库"_s, u"门卫室"_s, u"配电房"_s}, u"栋"_s, 20, 40, 200000, 5000000},
        {{u"机器设备"_s, {{u"通用设备"_s, {{u"机床"_s, {}}, {u"空压机"_s, {}}}}, {u"专用设备"_s, {{u"生产线"_s, {}}, {u"检测设备"_s, {}}}}}},
         {u"数控车床"_s, u"铣床"_s, u"空气压缩机"_s, u"注塑机"_s, u"包装流水线"_s, u"三坐标测量仪"_s}, u"台"_s, 8, 15, 20000, 800000},
        {{u"运输设备"_s, {{u"汽车"_s, {{u"小轿车"_s, {}}, {u"货车"_s, {}}}}, {u"场内运输"_s, {{u"叉车"_s, {}}}}}},
         {u"小轿车"_s, u"商务车"_s, u"轻型货车"_s, u"电动叉车"_s}, u"辆"_s, 4, 10, 60000, 400000},
        {{u"电子设备"_s, {{u"计算机"_s, {{u"台式电脑"_s, {}}, {u"笔记本电脑"_s, {}}, {u"服务器"_s, {}}}}, {u"办公设备"_s, {{u"打印机"_s, {}}, {u"复印机"_s, {}}, {u"投影仪"_s, {}}}}}},
         {u"台式电脑"_s, u"笔记本电脑"_s, u"服务器"_s, u"激光打印机"_s, u"复印机"_s, u"投影仪"_s, u"交换机"_s}, u"台"_s, 3, 5, 1500, 60000},
        {{u"办公家具"_s, {{u"桌椅"_s, {{u"办公桌"_s, {}}, {u"会议桌"_s, {}}}}, {u"柜架"_s, {{u"文件柜"_s, {}}}}}},
         {u"办公桌"_s, u"办公椅"_s, u"会议桌"_s, u"文件柜"_s, u"沙发"_s}, u"张"_s, 5, 8, 300, 15000},
    };
}

Node departments()
{
    return {QString(),
            {{u"总经理办公室"_s, {{u"行政科"_s, {{u"文秘组"_s, {}}}}}},
             {u"财务部"_s, {{u"会计科"_s, {{u"总账组"_s, {}}, {u"成本组"_s, {}}}}, {u"出纳科"_s, {}}}},
             {u"生产部"_s, {{u"一车间"_s, {{u"甲班"_s, {}}, {u"乙班"_s, {}}}}, {u"二车间"_s, {{u"装配班"_s, {}}}}}},
             {u"销售部"_s, {{u"华东区"_s, {{u"上海办事处"_s, {}}}}, {u"华南区"_s, {{u"广州办事处"_s, {}}}}}},
             {u"技术中心"_s, {{u"研发一部"_s, {}}, {u"研发二部"_s, {}}, {u"质检部"_s, {{u"来料检验组"_s, {}}}}}}}};
}

const QStringList staff = {u"张伟"_s, u"王芳"_s, u"李娜"_s, u"刘洋"_s, u"陈静"_s, u"杨磊"_s, u"赵敏"_s, u"黄强"_s, u"周杰"_s, u"吴霞"_s};
const QStringList addKinds = {u"购入"_s, u"自建"_s, u"投资者投入"_s, u"捐赠"_s, u"盘盈"_s};
const QStringList places = {u"一号楼101"_s, u"一号楼203"_s, u"二号楼305"_s, u"生产车间"_s, u"中心仓库"_s, u"机房"_s, u"会议室"_s};
const QStringList useStates = {u"在用"_s, u"在用"_s, u"在用"_s, u"闲置"_s, u"维修中"_s, u"封存"_s};
const QStringList reduceWays = {u"报废"_s, u"出售"_s, u"调出"_s, u"盘亏"_s};
const QStringList repairKinds = {u"日常维护"_s, u"故障维修"_s, u"大修"_s};
const QStringList repairDepts = {u"厂家售后"_s, u"设备科"_s, u"信息中心"_s};
const QStringList factories = {u"联想集团"_s, u"华为技术有限公司"_s, u"沈阳机床股份有限公司"_s, u"上海大众汽车有限公司"_s, u"得力集团"_s, u"中建三局"_s};

QString linesOf(const QStringList &items) { return items.join(u"\r\n"_s); }

void writePickLists()
{
    const QList<std::pair<int, QStringList>> lists = {{kPickStaff, staff}, {kPickAddKind, addKinds}, {kPickLayPlace, places},
                                                      {kPickUseState, {u"在用"_s, u"闲置"_s, u"维修中"_s, u"封存"_s}},
                                                      {kPickReduceWay, reduceWays}, {kPickRepairKind, repairKinds},
                                                      {kPickRepairDept, repairDepts}};
    for (const auto &[key, items] : lists)
        TKeyValue2::WriteValues(key, linesOf(items), false, 0, 0);
}

// Adds a subtree; returns the Ids of its leaves.
template <class Record, class Set>
void addTree(const Node &node, const QString &parentCode, QList<int> *leaves)
{
    Record r;
    r.ParentCode = parentCode;
    r.Name = node.Name;
    if (!Set::NewChild(r))
        throw EZoError(u"无法添加“%1”"_s.arg(node.Name));
    if (node.Children.isEmpty())
        leaves->append(r.Id);
    for (const Node &child : node.Children)
        addTree<Record, Set>(child, r.Code, leaves);
}

class TDemoWriter {
public:
    explicit TDemoWriter(quint32 seed) : m_random(seed) {}

    int Pick(int n) { return int(m_random.bounded(n)); }
    template <class T>
    const T &Pick(const QList<T> &list) { return list[Pick(int(list.size()))]; }
    bool Chance(int percent) { return Pick(100) < percent; }
    QDateTime DateBetween(const QDate &from, const QDate &to) { return QDateTime(from.addDays(Pick(int(from.daysTo(to)) + 1)), QTime(0, 0)); }

    RAsset MakeAsset(int serial, const AssetFamily &family, int cataId, int deptId)
    {
        RAsset a;
        a.Code = u"ZC%1"_s.arg(serial, 6, 10, QLatin1Char('0'));
        a.BarCode = Chance(90) ? u"69%1"_s.arg(serial, 10, 10, QLatin1Char('0')) : QString();
        a.CataId = cataId;
        a.UseDeptId = deptId;
        a.Name = Pick(family.Names);
        a.PartNo = u"%1-%2"_s.arg(QChar(u'A' + Pick(6))).arg(100 + Pick(900));
        a.GBCode = Chance(30) ? u"GB/T %1"_s.arg(1000 + Pick(9000)) : QString();
        a.Config = Chance(40) ? u"标准配置"_s : QString();
        a.Factory = Pick(factories);
        a.BuildDate = QString::number(2004 + Pick(22));
        a.Qty = 1 + (Chance(10) ? Pick(5) : 0);
        a.Unit = family.Unit;
        a.AddKind = Pick(addKinds);
        a.UseState = Pick(useStates);
        a.LayPlace = Pick(places);
        a.Depositary = Pick(staff);
        a.AccountDate = DateBetween(QDate(2008, 1, 1), QDate(2026, 12, 31));
        const Currency origin = (qint64(family.MinValue) + Pick(family.MaxValue - family.MinValue)) * Money::Scale + Pick(100) * 100;
        a.OriginValue = origin;
        a.Price = Money::ToDouble(origin) / *a.Qty;
        const int rate = Pick(QList<int>{0, 3, 5, 5, 10});
        a.EndValueRate = rate;
        a.EndValue = Money::RoundToCentsEven(origin * rate / 100);
        a.UseYears = family.MinYears + Pick(family.MaxYears - family.MinYears + 1);
        const int method = Pick(100);
        a.MethodId = method < 60 ? 1 : method < 75 ? 2 : method < 88 ? 3 : method < 94 ? 4 : 0;
        a.AssetNote = Chance(15) ? u"年度盘点已核对"_s : QString();
        a.Str1 = Chance(50) ? u"项目%1"_s.arg(1 + Pick(20)) : QString();
        a.Float1 = Chance(20) ? std::optional<double>(Pick(1000) / 10.0) : std::nullopt;
        a.Date1 = Chance(20) ? std::optional<QDateTime>(a.AccountDate->addMonths(Pick(36))) : std::nullopt;
        return a;
    }

    void AddChange(const RAsset &a, int id)
    {
        AppDatabase().Execute(
            u"insert into modification(Id, AssetId, ModifyDate, ModifyReason, UseState1, UseState2, Depositary1, Depositary2, "
            "Layplace1, Layplace2, Handman, Sanctionman) values(:Id, :AssetId, :ModifyDate, :Reason, :State1, :State2, "
            ":Keeper1, :Keeper2, :Place1, :Place2, :Handman, :Sanctionman)"_s,
            {DBParam(u"Id"_s, id), DBParam(u"AssetId"_s, a.Id), DBParam(u"ModifyDate"_s, a.AccountDate->addMonths(1 + Pick(24))),
             DBParam(u"Reason"_s, u"人员调整"_s), DBParam(u"State1"_s, a.UseState), DBParam(u"State2"_s, a.UseState),
             DBParam(u"Keeper1"_s, Pick(staff)), DBParam(u"Keeper2"_s, a.Depositary), DBParam(u"Place1"_s, Pick(places)),
             DBParam(u"Place2"_s, a.LayPlace), DBParam(u"Handman"_s, Pick(staff)), DBParam(u"Sanctionman"_s, Pick(staff))});
    }

    void AddRepair(const RAsset &a, int id)
    {
        const QDateTime sent = a.AccountDate->addMonths(1 + Pick(36));
        AppDatabase().Execute(
            u"insert into repair(Id, AssetId, SendDate, Malfunction, RepairDate, RepairKind, RepairDept, RepairDetails, Fund, "
            "Handman, Sanctionman, Note) values(:Id, :AssetId, :SendDate, :Malfunction, :RepairDate, :Kind, :Dept, :Details, "
            ":Fund, :Handman, :Sanctionman, :Note)"_s,
            {DBParam(u"Id"_s, id), DBParam(u"AssetId"_s, a.Id), DBParam(u"SendDate"_s, sent),
             DBParam(u"Malfunction"_s, u"无法正常启动"_s), DBParam(u"RepairDate"_s, sent.addDays(3 + Pick(20))),
             DBParam(u"Kind"_s, Pick(repairKinds)), DBParam(u"Dept"_s, Pick(repairDepts)),
             DBParam(u"Details"_s, u"更换配件"_s), DBParam(u"Fund"_s, 100.0 + Pick(5000)), DBParam(u"Handman"_s, Pick(staff)),
             DBParam(u"Sanctionman"_s, Pick(staff)), DBParam(u"Note"_s, QString())});
    }

private:
    QRandomGenerator m_random;
};

} // namespace

namespace DemoLedger {

void Fill(int assetCount, quint32 seed)
{
    if (QueryValue(u"select count(*) from assets"_s).toInt() > 0 || QueryValue(u"select count(*) from catalog"_s).toInt() > 0)
        throw EZoError(u"数据库中已有资产或分类, 演示数据只能装入空的账套."_s);
    TDatabase &db = AppDatabase();
    TTransaction trans(db);
    writePickLists();
    const QList<AssetFamily> all = families();
    QList<QList<int>> classLeaves;
    for (const AssetFamily &f : all) {
        classLeaves.append(QList<int>());
        addTree<RCatalog, TCatalogSet>(f.Tree, QString(), &classLeaves.last());
    }
    QList<int> deptLeaves;
    for (const Node &d : departments().Children)
        addTree<RDepartment, TDepartmentSet>(d, QString(), &deptLeaves);

    TDemoWriter w(seed);
    int changeId = db.NextId(u"modification"_s), repairId = db.NextId(u"repair"_s);
    for (int i = 1; i <= assetCount; ++i) {
        const int family = w.Pick(int(all.size()));
        RAsset a = w.MakeAsset(i, all[family], w.Pick(classLeaves[family]), w.Pick(deptLeaves));
        if (!TAssetsSet::SaveAsset(a))
            throw EZoError(u"无法保存演示资产 %1"_s.arg(a.Code));
        if (w.Chance(6)) {
            a.ReduceDate = a.AccountDate->addMonths(6 + w.Pick(60));
            a.ReduceWay = w.Pick(reduceWays);
            a.ReduceHandman = w.Pick(staff);
            a.ReduceCheckman = w.Pick(staff);
            TAssetsSet::SaveReduce(std::as_const(a));
        }
        if (w.Chance(4))
            w.AddChange(a, changeId++);
        if (w.Chance(5))
            w.AddRepair(a, repairId++);
    }
    trans.Commit();
}

} // namespace DemoLedger
