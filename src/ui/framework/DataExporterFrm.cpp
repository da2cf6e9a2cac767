#include "ui/framework/DataExporterFrm.h"
#include "app/Launcher.h"
#include "app/Prompter.h"
#include "data/DataSet.h"
#include "reports/ExportWriters.h"
#include "ui/framework/ZoApplication.h"
#include "ui/framework/ZoEdit.h"
#include <QButtonGroup>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTabWidget>
#include <QVBoxLayout>

namespace {

struct RFormatInfo {
    const char16_t *caption;
    const char16_t *filter;
    const char16_t *suffix;
};

const RFormatInfo Formats[] = {
    {u"文本文件 (*.txt)", u"文本文件(*.txt)", u"txt"},
    {u"Microsoft Excel电子表格 (*.xls)", u"Microsoft Excel 电子表格 (*.xls)", u"xls"},
    {u"网页 (*.html)", u"网页文件(*.htm *.html)", u"html"},
    {u"CSV文件 (*.csv)", u"CSV文件(*.csv)", u"csv"},
};

const int FieldRole = Qt::UserRole;
const QString NextCaption = QStringLiteral("下一步(&N)");
const QString FinishCaption = QStringLiteral("确定(&N)");

QPushButton *makeButton(const QString &name, const QString &caption, QWidget *parent)
{
    auto *b = new QPushButton(caption, parent);
    b->setObjectName(name);
    b->setAutoDefault(false);
    return b;
}

// Replaces the extension of the file name part (or adds one).
QString withSuffix(const QString &path, const QString &suffix)
{
    const int slash = int(path.lastIndexOf(u'/'));
    const int dot = int(path.lastIndexOf(u'.'));
    return (dot > slash ? path.left(dot) : path) + u'.' + suffix;
}

} // namespace

TDataExporterFrm::TDataExporterFrm(TDataSet *dataSet, QWidget *parent)
    : TaFrm(parent), PageControl1(new QTabWidget(this)), lstAvailable(new QListWidget(this)),
      lstChosen(new QListWidget(this)), rgFormat(new QButtonGroup(this)), edtFile(new TzoEdit(this)), m_dataSet(dataSet)
{
    setObjectName(QStringLiteral("DataExporterFrm"));
    setWindowTitle(QStringLiteral("导出..."));
    PageControl1->setObjectName(QStringLiteral("PageControl1"));
    PageControl1->addTab(buildColumnsPage(), QStringLiteral("选择数据列"));
    PageControl1->addTab(buildOutputPage(), QStringLiteral("输出"));

    btnPrev = makeButton(QStringLiteral("btnPrev"), QStringLiteral("上一步(&P)"), this);
    btnNext = makeButton(QStringLiteral("btnNext"), NextCaption, this);
    btnCancel = makeButton(QStringLiteral("btnCancel"), QStringLiteral("取消"), this);
    btnHelp = makeButton(QStringLiteral("btnHelp"), QStringLiteral("帮助"), this);
    auto *bottom = new QHBoxLayout;
    bottom->addStretch(1);
    for (QPushButton *b : {btnPrev, btnNext, btnCancel, btnHelp})
        bottom->addWidget(b);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(PageControl1, 1);
    layout->addLayout(bottom);
    resize(520, 400);

    // Every field, hidden ones too, starts available; each item remembers its field's position.
    for (const TField *f : dataSet->Fields()) {
        auto *item = new QListWidgetItem(f->DisplayLabel(), lstAvailable);
        item->setData(FieldRole, f->Index());
    }

    connect(btnPrev, &QPushButton::clicked, this, [this] { showPage(PageControl1->currentIndex() - 1); });
    connect(btnNext, &QPushButton::clicked, this, [this] {
        if (PageControl1->currentIndex() < PageControl1->count() - 1)
            showPage(PageControl1->currentIndex() + 1);
        else if (bool done = false; TZoApplication::Guard([&] { done = Export(); }) && done)
            accept();
    });
    connect(btnCancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(btnHelp, &QPushButton::clicked, this, [this] { ShowHelp(); });
    showPage(0);
}

QWidget *TDataExporterFrm::buildColumnsPage()
{
    auto *page = new QWidget(this);
    lstAvailable->setObjectName(QStringLiteral("lstAvailable"));
    lstChosen->setObjectName(QStringLiteral("lstChosen"));
    btnAdd = makeButton(QStringLiteral("btnAdd"), QStringLiteral(" >"), page);
    btnRemove = makeButton(QStringLiteral("btnRemove"), QStringLiteral("< "), page);
    btnUp = makeButton(QStringLiteral("btnUp"), QStringLiteral("上移"), page);
    btnDown = makeButton(QStringLiteral("btnDown"), QStringLiteral("下移"), page);
    auto *grid = new QGridLayout(page);
    grid->addWidget(new QLabel(QStringLiteral("可选项"), page), 0, 0);
    grid->addWidget(new QLabel(QStringLiteral("已选项"), page), 0, 2);
    grid->addWidget(lstAvailable, 1, 0, 6, 1);
    grid->addWidget(lstChosen, 1, 2, 6, 1);
    grid->setRowStretch(1, 1);
    grid->addWidget(btnAdd, 2, 1);
    grid->addWidget(btnRemove, 3, 1);
    grid->addWidget(btnUp, 4, 1);
    grid->addWidget(btnDown, 5, 1);
    grid->setRowStretch(6, 1);
    auto *note = new QLabel(QStringLiteral("请从左边列表框中双击或点击\">\"按纽选择您将要导出的列,上下移动按纽可以调整列的前后位置."), page);
    note->setWordWrap(true);
    grid->addWidget(note, 7, 0, 1, 3);

    connect(btnAdd, &QPushButton::clicked, this, [this] { move(lstAvailable, lstChosen, true); });
    connect(btnRemove, &QPushButton::clicked, this, [this] { move(lstChosen, lstAvailable, true); });
    connect(lstAvailable, &QListWidget::itemDoubleClicked, this, [this] { move(lstAvailable, lstChosen, false); });
    connect(lstChosen, &QListWidget::itemDoubleClicked, this, [this] { move(lstChosen, lstAvailable, false); });
    connect(btnUp, &QPushButton::clicked, this, [this] { moveChosen(-1); });
    connect(btnDown, &QPushButton::clicked, this, [this] { moveChosen(1); });
    for (QListWidget *list : {lstAvailable, lstChosen})
        connect(list, &QListWidget::currentRowChanged, this, &TDataExporterFrm::updateButtons);
    return page;
}

QWidget *TDataExporterFrm::buildOutputPage()
{
    auto *page = new QWidget(this);
    auto *formats = new QGroupBox(QStringLiteral("输出格式"), page);
    formats->setObjectName(QStringLiteral("RadioGroup1"));
    auto *formatLayout = new QVBoxLayout(formats);
    for (int i = 0; i < 4; ++i) {
        auto *radio = new QRadioButton(QString::fromUtf16(Formats[i].caption), formats);
        radio->setObjectName(QStringLiteral("rbFormat%1").arg(i));
        rgFormat->addButton(radio, i);
        formatLayout->addWidget(radio);
    }
    auto *where = new QGroupBox(QStringLiteral("输出位置"), page);
    auto *whereLayout = new QHBoxLayout(where);
    edtFile->setObjectName(QStringLiteral("edtFile"));
    btnBrowse = makeButton(QStringLiteral("btnBrowse"), QStringLiteral("浏览..."), where);
    whereLayout->addWidget(new QLabel(QStringLiteral("文件"), where));
    whereLayout->addWidget(edtFile, 1);
    whereLayout->addWidget(btnBrowse);
    auto *layout = new QVBoxLayout(page);
    layout->addWidget(formats);
    layout->addWidget(where);
    layout->addStretch(1);
    connect(rgFormat, &QButtonGroup::idClicked, this, &TDataExporterFrm::SetFormat);
    connect(btnBrowse, &QPushButton::clicked, this, &TDataExporterFrm::browse);
    return page;
}

// ---- columns ----

void TDataExporterFrm::move(QListWidget *from, QListWidget *to, bool byButton)
{
    const int row = from->currentRow();
    if (row < 0)
        return;
    to->addItem(from->takeItem(row));
    from->setCurrentRow(qMin(row, from->count() - 1));
    if (byButton)
        from->setFocus();
    updateButtons();
}

void TDataExporterFrm::moveChosen(int delta)
{
    const int row = lstChosen->currentRow();
    const int to = row + delta;
    if (row < 0 || to < 0 || to >= lstChosen->count())
        return;
    lstChosen->insertItem(to, lstChosen->takeItem(row));
    lstChosen->setCurrentRow(to);
}

void TDataExporterFrm::updateButtons()
{
    btnAdd->setEnabled(lstAvailable->count() > 0 && lstAvailable->currentRow() >= 0);
    const bool chosen = lstChosen->count() > 0 && lstChosen->currentRow() >= 0;
    for (QPushButton *b : {btnRemove, btnUp, btnDown})
        b->setEnabled(chosen);
}

QString TDataExporterFrm::SelectedFields() const
{
    QString text;
    for (int i = 0; i < lstChosen->count(); ++i)
        text += lstChosen->item(i)->text() + QStringLiteral("\r\n");
    return text;
}

void TDataExporterFrm::SetSelectedFields(const QString &text)
{
    for (const QString &label : text.split(QRegularExpression(QStringLiteral("\r\n|\n|\r")), Qt::SkipEmptyParts)) {
        const QList<QListWidgetItem *> found = lstAvailable->findItems(label, Qt::MatchExactly | Qt::MatchCaseSensitive);
        if (found.isEmpty())
            continue;
        lstAvailable->setCurrentItem(found.first());
        move(lstAvailable, lstChosen, false);
    }
}

// ---- pages ----

void TDataExporterFrm::showPage(int page)
{
    page = qBound(0, page, PageControl1->count() - 1);
    for (int i = 0; i < PageControl1->count(); ++i)
        PageControl1->setTabVisible(i, i == page);
    PageControl1->setCurrentIndex(page);
    btnPrev->setEnabled(page > 0);
    btnNext->setText(page == PageControl1->count() - 1 ? FinishCaption : NextCaption);
    updateButtons();
}

// ---- output ----

int TDataExporterFrm::Format() const
{
    return rgFormat->checkedId();
}

void TDataExporterFrm::SetFormat(int format)
{
    if (format < 0 || format > fmtCsv)
        return;
    rgFormat->button(format)->setChecked(true);
    if (!edtFile->text().isEmpty())
        edtFile->setText(withSuffix(edtFile->text(), defaultSuffix()));
}

QString TDataExporterFrm::defaultSuffix() const
{
    return Format() < 0 ? QString() : QString::fromUtf16(Formats[Format()].suffix);
}

QString TDataExporterFrm::FileName() const
{
    return edtFile->text().trimmed();
}

void TDataExporterFrm::browse()
{
    const QString filter = Format() < 0 ? QString() : QString::fromUtf16(Formats[Format()].filter);
    QString path = Prompter().FileName(true, QStringLiteral("导出"), filter, edtFile->text());
    if (path.isEmpty())
        return;
    if (QFileInfo(path).suffix().isEmpty() && Format() >= 0)
        path = withSuffix(path, defaultSuffix());
    edtFile->setText(path);
}

void TDataExporterFrm::writeFile(const QString &path) const
{
    RExportColumns columns;
    for (int i = 0; i < lstChosen->count(); ++i)
        columns.append({lstChosen->item(i)->text(), lstChosen->item(i)->data(FieldRole).toInt()});
    const TExportTable table(m_dataSet, columns);
    switch (Format()) {
    case fmtHtml: ExportWriters::WriteHtml(table, path); break;
    case fmtCsv: ExportWriters::WriteCsv(table, path); break;
    default: ExportWriters::WriteDelimited(table, path, u'\t'); break;
    }
}

bool TDataExporterFrm::Export()
{
    if (lstChosen->count() == 0) {
        Prompter().Message(TPrompter::Icon::Information, QStringLiteral("没有选择任何要导出的列,请返回上一步并选择."));
        return false;
    }
    if (Format() < 0) {
        ShowInfo(QStringLiteral("必须指定要导出的格式."));
        return false;
    }
    const QString path = FileName();
    if (path.isEmpty()) {
        ShowInfo(QStringLiteral("必须指定要导出的文件位置."));
        edtFile->setFocus();
        return false;
    }
    if (QFileInfo::exists(path)
        && !Prompter().YesNo(TPrompter::Icon::Warning, QStringLiteral("\r\n该文件已经存在,是否继续执行并覆盖文件?")))
        return false;
    writeFile(path);
    const QString question = QStringLiteral("\r\n数据导出成功,共 %1条记录,是否现在就打开?    ")
                                 .arg(m_dataSet->Active() ? m_dataSet->RecordCount() : 0);
    if (Prompter().OkCancel(TPrompter::Icon::Question, question))
        Launcher::OpenFile(path);
    return true;
}
