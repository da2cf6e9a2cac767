#include "ui/windows/Finder.h"
#include "app/CustomLabels.h"
#include "app/KeyValue.h"
#include "ledger/Asset.h"
#include "ui/framework/Lookups.h"
#include "ui/framework/ZoApplication.h"
#include "ui/framework/ZoDateTimePicker.h"
#include "ui/framework/ZoEdit.h"
#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace {

template <typename T>
std::optional<T> optionalOf(const QVariant &v)
{
    if (!v.isValid() || v.isNull())
        return std::nullopt;
    return v.value<T>();
}

std::optional<double> numberOf(const TzoEdit *e) { return optionalOf<double>(e->AsVariant()); }
std::optional<int> integerOf(const TzoEdit *e) { return optionalOf<int>(e->AsVariant()); }
std::optional<QDate> dateOf(const QVariant &v) { return optionalOf<QDate>(v); }

TzoEdit *edit(QWidget *parent, const QString &name, TzoEdit::TEditType type = TzoEdit::etFree)
{
    auto *e = new TzoEdit(parent);
    e->setObjectName(name);
    e->SetEditType(type);
    return e;
}

TComboBox *combo(QWidget *parent, const QString &name, bool editable)
{
    auto *c = new TComboBox(parent);
    c->setObjectName(name);
    c->setEditable(editable);
    return c;
}

TzoDateTimePicker *datePicker(QWidget *parent, const QString &name)
{
    auto *p = new TzoDateTimePicker(parent);
    p->setObjectName(name);
    p->SetShowCheckbox(true);
    return p;
}

// A label, the first box, "至" and the second box on one grid row.
void addRange(QGridLayout *grid, int row, int col, const QString &caption, QWidget *from, QWidget *to)
{
    grid->addWidget(new QLabel(caption), row, col);
    auto *pair = new QHBoxLayout;
    pair->addWidget(from, 1);
    pair->addWidget(new QLabel(u"至"_s));
    pair->addWidget(to, 1);
    grid->addLayout(pair, row, col + 1);
}

} // namespace

TFinderFrm::TFinderFrm(TChoice choice, QWidget *parent) : TaFrm(parent), m_choice(std::move(choice))
{
    setObjectName(u"FinderFrm"_s);
    setWindowTitle(u"查找"_s);
    auto *root = new QVBoxLayout(this);
    auto *grid = new QGridLayout;
    root->addLayout(grid);

    cmbReduced1 = combo(this, u"cmbReduced1"_s, false);
    cmbReduced1->LoadAssetStates();
    edtKeyword1 = edit(this, u"edtKeyword1"_s);
    edtAssetCode1 = edit(this, u"edtAssetCode1"_s);
    edtAssetName1 = combo(this, u"edtAssetName1"_s, true);
    edtAssetName1->addItems(TAssetsSet::NameList());
    edtAssetPartNo1 = edit(this, u"edtAssetPartNo1"_s);
    edtGBCode1 = edit(this, u"edtGBCode1"_s);
    edtFactory1 = edit(this, u"edtFactory1"_s);
    edtAssetKind1 = combo(this, u"edtAssetKind1"_s, false);
    edtAssetKind1->LoadCatalogs();
    edtUseDept1 = combo(this, u"edtUseDept1"_s, false);
    edtUseDept1->LoadDepartments();
    edtUseState1 = combo(this, u"edtUseState1"_s, true);
    edtUseState1->LoadPickList(kPickUseState);
    cmbLayPlace1 = combo(this, u"cmbLayPlace1"_s, true);
    cmbLayPlace1->LoadPickList(kPickLayPlace);
    cmbDepositary1 = combo(this, u"cmbDepositary1"_s, true);
    cmbDepositary1->LoadPickList(kPickStaff);

    const QList<std::pair<QString, QWidget *>> left = {
        {u"范围"_s, cmbReduced1},       {u"关键字"_s, edtKeyword1},     {u"资产编码"_s, edtAssetCode1},
        {u"资产名称"_s, edtAssetName1}, {u"型号规格"_s, edtAssetPartNo1}, {u"国标编号"_s, edtGBCode1},
        {u"生产厂家"_s, edtFactory1},   {u"资产类别"_s, edtAssetKind1}, {u"使用部门"_s, edtUseDept1},
        {u"使用情况"_s, edtUseState1},  {u"存放地点"_s, cmbLayPlace1},  {u"保管人员"_s, cmbDepositary1}};
    for (int i = 0; i < left.size(); ++i) {
        grid->addWidget(new QLabel(left[i].first, this), i, 0);
        grid->addWidget(left[i].second, i, 1);
    }

    int row = 0;
    edtAccountDate1 = datePicker(this, u"edtAccountDate1"_s);
    edtAccountDate2 = datePicker(this, u"edtAccountDate2"_s);
    addRange(grid, row++, 2, u"入账日期"_s, edtAccountDate1, edtAccountDate2);
    edtOriginValue1 = edit(this, u"edtOriginValue1"_s, TzoEdit::etNumber);
    edtOriginValue2 = edit(this, u"edtOriginValue2"_s, TzoEdit::etNumber);
    addRange(grid, row++, 2, u"原值"_s, edtOriginValue1, edtOriginValue2);
    edtEndValue1 = edit(this, u"edtEndValue1"_s, TzoEdit::etNumber);
    edtEndValue2 = edit(this, u"edtEndValue2"_s, TzoEdit::etNumber);
    addRange(grid, row++, 2, u"残值"_s, edtEndValue1, edtEndValue2);
    edtUseYears1 = edit(this, u"edtUseYears1"_s, TzoEdit::etNumber);
    edtUseYears2 = edit(this, u"edtUseYears2"_s, TzoEdit::etNumber);
    addRange(grid, row++, 2, u"折旧年限"_s, edtUseYears1, edtUseYears2);
    edtYearR1 = edit(this, u"edtYearR1"_s, TzoEdit::etInteger);
    edtMonthR1 = edit(this, u"edtMonthR1"_s, TzoEdit::etInteger);
    grid->addWidget(new QLabel(u"折旧到期"_s, this), row, 2);
    auto *expiry = new QHBoxLayout;
    expiry->addWidget(edtYearR1, 1);
    expiry->addWidget(new QLabel(u"年"_s, this));
    expiry->addWidget(edtMonthR1, 1);
    expiry->addWidget(new QLabel(u"月"_s, this));
    grid->addLayout(expiry, row++, 3);

    const QStringList fields = CustomLabels::FieldNames();
    for (int i = 0; i < 6; ++i) {
        edtStr.append(edit(this, u"edtStr%1"_s.arg(i + 1)));
        grid->addWidget(new QLabel(CustomLabels::Label(i), this), row, 2);
        grid->addWidget(edtStr.last(), row++, 3);
    }
    for (int i = 0; i < 3; ++i) {
        edtFloat.append(edit(this, u"edtFloat%1"_s.arg((i + 1) * 10 + 1), TzoEdit::etNumber));
        edtFloat.append(edit(this, u"edtFloat%1"_s.arg((i + 1) * 10 + 2), TzoEdit::etNumber));
        addRange(grid, row++, 2, CustomLabels::Label(6 + i), edtFloat[2 * i], edtFloat[2 * i + 1]);
    }
    for (int i = 0; i < 3; ++i) {
        edtDate.append(edit(this, u"edtDate%1"_s.arg((i + 1) * 10 + 1)));
        edtDate.append(edit(this, u"edtDate%1"_s.arg((i + 1) * 10 + 2)));
        addRange(grid, row++, 2, CustomLabels::Label(9 + i), edtDate[2 * i], edtDate[2 * i + 1]);
    }
    cbChanged1 = new QCheckBox(u"已变更资产"_s, this);
    cbChanged1->setObjectName(u"cbChanged1"_s);
    cbRepaired1 = new QCheckBox(u"已维修资产"_s, this);
    cbRepaired1->setObjectName(u"cbRepaired1"_s);
    grid->addWidget(cbChanged1, left.size(), 1);
    grid->addWidget(cbRepaired1, left.size() + 1, 1);

    auto *buttons = new QHBoxLayout;
    root->addLayout(buttons);
    btnReset1 = new QPushButton(u"重置"_s, this);
    btnReset1->setObjectName(u"btnReset1"_s);
    buttons->addWidget(btnReset1);
    buttons->addStretch();
    btnOk1 = new QPushButton(u"确定"_s, this);
    btnOk1->setObjectName(u"btnOk1"_s);
    btnCancel1 = new QPushButton(u"取消"_s, this);
    btnCancel1->setObjectName(u"btnCancel1"_s);
    for (QPushButton *b : {btnReset1, btnOk1, btnCancel1})
        b->setAutoDefault(false);
    buttons->addWidget(btnOk1);
    buttons->addWidget(btnCancel1);
    connect(btnReset1, &QPushButton::clicked, this, &TFinderFrm::Reset);
    connect(btnOk1, &QPushButton::clicked, this, &TFinderFrm::OkClick);
    connect(btnCancel1, &QPushButton::clicked, this, &QDialog::reject);

    Reset();
    layout()->setSizeConstraint(QLayout::SetFixedSize);
}

void TFinderFrm::Reset()
{
    QList<TzoEdit *> edits{edtKeyword1, edtAssetCode1, edtAssetPartNo1, edtGBCode1, edtFactory1, edtOriginValue1,
                           edtOriginValue2, edtEndValue1, edtEndValue2, edtUseYears1, edtUseYears2, edtYearR1, edtMonthR1};
    edits << edtStr << edtFloat << edtDate;
    for (TzoEdit *e : std::as_const(edits))
        e->clear();
    for (TComboBox *c : {edtAssetName1, edtUseState1, cmbLayPlace1, cmbDepositary1})
        c->setCurrentText(QString());
    edtAssetKind1->setCurrentIndex(-1);
    edtUseDept1->setCurrentIndex(-1);
    edtAccountDate1->Clear();
    edtAccountDate2->Clear();
    cbChanged1->setChecked(false);
    cbRepaired1->setChecked(false);
}

RAssetWhere TFinderFrm::Conditions() const
{
    RAssetWhere w;
    ClearWhere(w);
    if (cmbReduced1->currentIndex() > 0)
        w.Reduced = cmbReduced1->currentIndex() == 2;
    w.Keyword = edtKeyword1->text();
    w.Code = edtAssetCode1->text();
    w.Name = edtAssetName1->currentText();
    w.PartNo = edtAssetPartNo1->text();
    w.GBCode = edtGBCode1->text();
    w.Factory = edtFactory1->text();
    RCatalog catalog;
    edtAssetKind1->GetCatalog(catalog);
    w.CataCode = catalog.Code;
    RDepartment department;
    edtUseDept1->GetDepartment(department);
    w.UseDeptCode = department.Code;
    w.UseState = edtUseState1->currentText();
    w.LayPlace = cmbLayPlace1->currentText();
    w.Depositary = cmbDepositary1->currentText();
    w.AccountDateFrom = dateOf(edtAccountDate1->AsDate());
    w.AccountDateTo = dateOf(edtAccountDate2->AsDate());
    w.OriginValueFrom = numberOf(edtOriginValue1);
    w.OriginValueTo = numberOf(edtOriginValue2);
    w.EndValueFrom = numberOf(edtEndValue1);
    w.EndValueTo = numberOf(edtEndValue2);
    w.UseYearsFrom = numberOf(edtUseYears1);
    w.UseYearsTo = numberOf(edtUseYears2);
    w.ExpiryYear = integerOf(edtYearR1);
    w.ExpiryMonth = integerOf(edtMonthR1);
    QString *strs[] = {&w.Str1, &w.Str2, &w.Str3, &w.Str4, &w.Str5, &w.Str6};
    for (int i = 0; i < 6; ++i)
        *strs[i] = edtStr[i]->text();
    std::optional<double> *floats[] = {&w.Float1From, &w.Float1To, &w.Float2From, &w.Float2To, &w.Float3From, &w.Float3To};
    std::optional<QDate> *dates[] = {&w.Date1From, &w.Date1To, &w.Date2From, &w.Date2To, &w.Date3From, &w.Date3To};
    for (int i = 0; i < 6; ++i) {
        *floats[i] = numberOf(edtFloat[i]);
        *dates[i] = dateOf(edtDate[i]->AsDate());
    }
    if (cbChanged1->isChecked())
        w.Changed = true;
    if (cbRepaired1->isChecked())
        w.Repaired = true;
    return w;
}

void TFinderFrm::OkClick()
{
    // A malformed entry shows its reason and keeps the window open.
    TZoApplication::Guard([this] {
        if (m_choice(Conditions()))
            accept();
    });
}
