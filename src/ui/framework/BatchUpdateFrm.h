#pragma once
#include "ui/framework/AFrm.h"
#include <functional>

class QLineEdit;
class TDataSet;
class TField;
class TzoComboBox;

// The batch update: one field and one value for every selected record.
class TBatchUpdateFrm : public TaFrm {
    Q_OBJECT
public:
    TBatchUpdateFrm(const QList<TField *> &fields, QWidget *parent = nullptr);
    TField *Field() const;
    QString Value() const;
    void done(int result) override;

    TzoComboBox *cmbField;
    QLineEdit *edtValue;

    // Gives `field` the value `text` in each of `rows` and calls `afterEach`
    // with that record current. One unit of work: when a value does not
    // convert or `afterEach` fails, the database rolls back, every record gets
    // its old value again, and the error goes on to the caller.
    static void Apply(TDataSet &dataSet, TField *field, const QString &text, const QList<int> &rows,
                      const std::function<void()> &afterEach);

private:
    QList<TField *> m_fields;
};
