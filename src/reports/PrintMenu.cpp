#include "reports/PrintMenu.h"
#include "app/Prompter.h"
#include "app/Rights.h"
#include "reports/Rep.h"
#include "reports/RepSet.h"
#include "reports/ReportFrontEnd.h"

void TPrintMenu::SetGroupId(int groupId)
{
    m_groupId = groupId;
    Refill();
}

void TPrintMenu::Refill()
{
    m_entries.clear();
    TRepSet set;
    set.OpenGroup(m_groupId);
    TDataSet *d = set.DataSet();
    for (int row = 0; row < d->RecordCount(); ++row)
        m_entries.append({d->ValueAt(row, set.IdField->Index()).toInt(), d->ValueAt(row, set.TitleField->Index()).toString()});
    m_selected = m_entries.isEmpty() ? -1 : 0;
}

const TPrintMenu::TEntry *TPrintMenu::selectedEntry() const
{
    if (m_selected >= 0 && m_selected < m_entries.size())
        return &m_entries[m_selected];
    Prompter().Message(TPrompter::Icon::Information, NothingSelectedText());
    return nullptr;
}

bool TPrintMenu::query(const QString &caption, const QString &prompt, QString &text) const
{
    return m_inputQuery && m_inputQuery(caption, prompt, text);
}

bool TPrintMenu::Preview()
{
    const TEntry *entry = selectedEntry();
    if (!entry || !m_rep)
        return false;
    m_rep->Preview(entry->Id);
    return true;
}

void TPrintMenu::Design()
{
    if (const TEntry *entry = selectedEntry(); entry && m_rep)
        m_rep->Design(entry->Id);
}

void TPrintMenu::New()
{
    QString title;
    if (!query(QStringLiteral("添加报表"), QStringLiteral("请输入报表名称:\t\t"), title))
        return;
    TRep::AddReport(title, m_groupId);
    Refill();
}

void TPrintMenu::Rename()
{
    const TEntry *entry = selectedEntry();
    if (!entry)
        return;
    QString title = entry->Title;
    if (!query(QStringLiteral("修改报表标题"), QStringLiteral("请输入新的报表名称:\t\t"), title))
        return;
    TRep::RenameReport(entry->Id, title);
    Refill();
}

void TPrintMenu::Delete()
{
    const TEntry *entry = selectedEntry();
    if (!entry)
        return;
    if (!Prompter().OkCancel(TPrompter::Icon::Warning, QStringLiteral("确定要删除") + entry->Title + QStringLiteral("吗?")))
        return;
    TRep::DeleteReport(entry->Id);
    Refill();
}

QPoint PrintMenuPosition(const QRect &screen, const QSize &form, const QPoint &pointer)
{
    const int sw = screen.width(), sh = screen.height();
    const int w = form.width(), h = form.height();
    int left, top;
    const int px = pointer.x() - screen.x(), py = pointer.y() - screen.y();
    if (py + h > sh || px + w > sw) {
        left = (sw - w) / 2;
        top = (sh - h) / 2;
    } else {
        top = py - h / 4;
        left = px - w / 2;
    }
    if (top < 0)
        top = 10;
    if (left < 0)
        left = 10;
    if (top + h > sh)
        top = sh - h;
    if (left + w > sw)
        left = sw - w;
    return QPoint(screen.x() + left, screen.y() + top);
}

void ShowPrintMenu(TRep &rep, int groupId)
{
    Rights::Require(RepRights::Print, true);
    TPrintMenu menu;
    menu.SetCanDesign(Rights::Has(RepRights::Design));
    menu.SetGroupId(groupId);
    menu.SetReper(&rep);
    if (TReportFrontEnd *ui = ReportFrontEnd())
        ui->ShowPrintMenu(menu);
}

void PrintDataSets(const QList<TDataSet *> &dataSets, int groupId)
{
    Rights::Require(RepRights::Print, true);
    TProjRep rep;
    rep.AddDataSets(dataSets);
    ShowPrintMenu(rep, groupId);
}
