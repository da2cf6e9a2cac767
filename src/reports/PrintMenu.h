#pragma once
#include <QList>
#include <QPoint>
#include <QRect>
#include <QString>
#include <functional>

class TRep;
class TDataSet;

// The logic of the print menu and of the report manager: the templates of a
// group, the selected one and the commands on it. The windows show it.
class TPrintMenu {
public:
    struct TEntry {
        int Id = 0;
        QString Title;
    };
    // Asks for a text (caption, prompt, text in and out); false when cancelled.
    using TInputQuery = std::function<bool(const QString &caption, const QString &prompt, QString &text)>;

    int GroupId() const { return m_groupId; }
    // Fills the list with the group's templates in title order and selects the first.
    void SetGroupId(int groupId);
    void Refill();
    TRep *Reper() const { return m_rep; }
    void SetReper(TRep *rep) { m_rep = rep; }
    bool CanDesign() const { return m_canDesign; }
    void SetCanDesign(bool canDesign) { m_canDesign = canDesign; }
    void SetInputQuery(TInputQuery query) { m_inputQuery = std::move(query); }

    const QList<TEntry> &Entries() const { return m_entries; }
    int Selected() const { return m_selected; }
    void SetSelected(int index) { m_selected = index; }

    // Each command that needs a template and finds none selected says so and does nothing.
    // Preview returns whether the menu closes.
    bool Preview();
    void Design();
    void New();
    void Rename();
    void Delete();

    static QString NothingSelectedText() { return QStringLiteral("请先从左框列表中选中您要操作的项目."); }

private:
    const TEntry *selectedEntry() const;
    bool query(const QString &caption, const QString &prompt, QString &text) const;

    int m_groupId = 0;
    TRep *m_rep = nullptr;
    bool m_canDesign = false;
    QList<TEntry> m_entries;
    int m_selected = -1;
    TInputQuery m_inputQuery;
};

// Where the print menu goes: near the mouse pointer, always on the screen.
QPoint PrintMenuPosition(const QRect &screen, const QSize &form, const QPoint &pointer);

// Right 10002 (with abort), then the print menu of `groupId` on `rep`, which the caller owns.
void ShowPrintMenu(TRep &rep, int groupId);
// Right 10002 (with abort), then the print menu on a new report with `dataSets` as "d0", "d1", ...
void PrintDataSets(const QList<TDataSet *> &dataSets, int groupId);
