#include "ui/windows/OptionEditor.h"
#include "app/AppEvents.h"
#include "app/CustomLabels.h"
#include "app/KeyValue.h"
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStackedWidget>
#include <QTabBar>
#include <QVBoxLayout>

TOptionEditorFrm::TOptionEditorFrm(QWidget *parent) : TaFrm(parent)
{
    setObjectName(QStringLiteral("OptionEditorFrm"));
    setWindowTitle(QStringLiteral("选项"));
    SetPlacement(TPlacement::CentreOnMain);
    auto *root = new QVBoxLayout(this);
    TabControl1 = new QTabBar(this);
    TabControl1->setObjectName(QStringLiteral("TabControl1"));
    TabControl1->addTab(QStringLiteral("标签"));
    TabControl1->addTab(QStringLiteral("选项"));
    root->addWidget(TabControl1);
    m_pages = new QStackedWidget(this);
    root->addWidget(m_pages, 1);

    auto *Panel1 = new QWidget(m_pages);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    auto *grid = new QGridLayout(Panel1);
    grid->addWidget(new QLabel(QStringLiteral("资产档案自定义项目"), Panel1), 0, 0, 1, 6);
    const QStringList names = CustomLabels::FieldNames();
    const QStringList defaults = CustomLabels::Defaults();
    for (int i = 0; i < CustomLabels::Count; ++i) {
        auto *edit = new QLineEdit(CustomLabels::Label(i), Panel1);
        edit->setObjectName(QStringLiteral("edt") + names[i]);
        m_labelEdits.append(edit);
        const int row = 1 + i / 3, col = (i % 3) * 2;
        grid->addWidget(new QLabel(defaults[i], Panel1), row, col);
        grid->addWidget(edit, row, col + 1);
    }
    auto *note = new QLabel(QStringLiteral("其中:前三行各项为字符型, 第4,5行为数字型,最后一行为日期型"), Panel1);
    grid->addWidget(note, 6, 0, 1, 6);
    grid->setRowStretch(7, 1);
    m_pages->addWidget(Panel1);

    auto *Panel2 = new QWidget(m_pages);
    Panel2->setObjectName(QStringLiteral("Panel2"));
    auto *listRow = new QHBoxLayout(Panel2);
    ListBox1 = new QListWidget(Panel2);
    ListBox1->setObjectName(QStringLiteral("ListBox1"));
    ListBox1->setMaximumWidth(120);
    listRow->addWidget(ListBox1);
    auto *memoColumn = new QVBoxLayout;
    Label4 = new QLabel(Panel2);
    Label4->setObjectName(QStringLiteral("Label4"));
    Memo1 = new QPlainTextEdit(Panel2);
    Memo1->setObjectName(QStringLiteral("Memo1"));
    Memo1->setLineWrapMode(QPlainTextEdit::NoWrap);
    memoColumn->addWidget(Label4);
    memoColumn->addWidget(Memo1, 1);
    listRow->addLayout(memoColumn, 1);
    m_pages->addWidget(Panel2);

    m_lists = {{QStringLiteral("增加方式"), kPickAddKind, {}}, {QStringLiteral("使用情况"), kPickUseState, {}},
               {QStringLiteral("存放地点"), kPickLayPlace, {}}, {QStringLiteral("职员"), kPickStaff, {}},
               {QStringLiteral("减少方式"), kPickReduceWay, {}}, {QStringLiteral("维修类别"), kPickRepairKind, {}},
               {QStringLiteral("维修部门"), kPickRepairDept, {}}};
    for (PickList &list : m_lists) {
        list.text = TKeyValue2::ReadStr(list.keyId, QString());
        ListBox1->addItem(list.caption);
    }

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    auto *ok = new QPushButton(QStringLiteral("确定"), this);
    ok->setObjectName(QStringLiteral("btnOk1"));
    auto *cancel = new QPushButton(QStringLiteral("取消"), this);
    cancel->setObjectName(QStringLiteral("btnCancel1"));
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    root->addLayout(buttons);

    connect(TabControl1, &QTabBar::currentChanged, m_pages, &QStackedWidget::setCurrentIndex);
    connect(ListBox1, &QListWidget::currentRowChanged, this, &TOptionEditorFrm::selectList);
    connect(Memo1, &QPlainTextEdit::textChanged, this, [this] {
        if (m_current >= 0)
            m_lists[m_current].text = Memo1->toPlainText();
    });
    connect(ok, &QPushButton::clicked, this, [this] {
        Save();
        accept();
    });
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    ListBox1->setCurrentRow(0);
    resize(560, 360);
}

void TOptionEditorFrm::selectList(int row)
{
    m_current = -1; // not an edit of the list being left
    if (row < 0 || row >= m_lists.size())
        return;
    Label4->setText(QStringLiteral("%1(%2):").arg(m_lists[row].caption, QStringLiteral("一行一个选项，请不要留空行")));
    Memo1->setPlainText(m_lists[row].text);
    m_current = row;
}

void TOptionEditorFrm::Save()
{
    for (int i = 0; i < CustomLabels::Count; ++i)
        TKeyValue2::WriteValues(kFirstLabel + i, m_labelEdits[i]->text(), false, 0, 0);
    for (const PickList &list : m_lists)
        TKeyValue2::WriteValues(list.keyId, list.text, false, 0, 0);
    // An emptied label falls back to its default now, as it will at the next start.
    const QStringList defaults = CustomLabels::Defaults();
    for (int i = 0; i < CustomLabels::Count; ++i)
        CustomLabels::SetLabel(i, m_labelEdits[i]->text().isEmpty() ? defaults[i] : m_labelEdits[i]->text());
    Q_EMIT TAppEvents::Instance().labelsChanged();
    Q_EMIT TAppEvents::Instance().pickListsChanged();
}
