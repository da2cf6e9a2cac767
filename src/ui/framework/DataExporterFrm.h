#pragma once
#include "ui/framework/AFrm.h"

class QButtonGroup;
class QListWidget;
class QPushButton;
class QTabWidget;
class TDataSet;
class TzoEdit;

// The export wizard: choose columns of a data set, then a format and a
// file; writes tab-separated text (.txt or .xls), an HTML table or CSV in
// GBK and offers to open the file.
class TDataExporterFrm : public TaFrm {
    Q_OBJECT
public:
    enum Format { fmtText, fmtExcelText, fmtHtml, fmtCsv };

    // The data set is not owned.
    TDataExporterFrm(TDataSet *dataSet, QWidget *parent = nullptr);

    // The chosen labels, one per line, each ended by "\r\n". Writing moves
    // each named available item to the chosen list, in the order of the lines.
    QString SelectedFields() const;
    void SetSelectedFields(const QString &text);
    int Format() const;
    void SetFormat(int format);
    QString FileName() const;
    // Runs the checks, writes the file and offers to open it; false keeps the wizard open.
    bool Export();

    QTabWidget *PageControl1;
    QListWidget *lstAvailable, *lstChosen;
    QPushButton *btnAdd, *btnRemove, *btnUp, *btnDown;
    QButtonGroup *rgFormat;
    TzoEdit *edtFile;
    QPushButton *btnBrowse, *btnPrev, *btnNext, *btnCancel, *btnHelp;

private:
    QWidget *buildColumnsPage();
    QWidget *buildOutputPage();
    void move(QListWidget *from, QListWidget *to, bool byButton);
    void moveChosen(int delta);
    void updateButtons();
    void showPage(int page);
    void browse();
    QString defaultSuffix() const;
    void writeFile(const QString &path) const;

    TDataSet *m_dataSet;
};
