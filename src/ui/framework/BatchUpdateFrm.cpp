#include "ui/framework/BatchUpdateFrm.h"
#include "app/Prompter.h"
#include "data/DataSet.h"
#include "data/Database.h"
#include "data/Exceptions.h"
#include "data/SqlDialect.h"
#include "ui/framework/ZoComboBox.h"
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <optional>

TBatchUpdateFrm::TBatchUpdateFrm(const QList<TField *> &fields, QWidget *parent)
    : TaFrm(parent), cmbField(new TzoComboBox(this)), edtValue(new QLineEdit(this)), m_fields(fields)
{
    setObjectName(QStringLiteral("BatchUpdateFrm"));
    setWindowTitle(QStringLiteral("修改"));
    cmbField->setObjectName(QStringLiteral("cmbField"));
    edtValue->setObjectName(QStringLiteral("edtValue"));
    for (const TField *f : fields)
        cmbField->addItem(f->DisplayLabel());
    cmbField->setCurrentIndex(-1);
    auto *group = new QGroupBox(QStringLiteral("批量更新"), this);
    auto *form = new QFormLayout(group);
    form->addRow(QStringLiteral("项目"), cmbField);
    form->addRow(QStringLiteral("值为"), edtValue);
    auto *buttons = new QDialogButtonBox(this);
    buttons->addButton(QStringLiteral("确定"), QDialogButtonBox::AcceptRole)->setObjectName(QStringLiteral("btnOk"));
    buttons->addButton(QStringLiteral("取消"), QDialogButtonBox::RejectRole)->setObjectName(QStringLiteral("btnCancel"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(group);
    layout->addWidget(buttons);
}

TField *TBatchUpdateFrm::Field() const
{
    const int i = cmbField->currentIndex();
    return i >= 0 && i < m_fields.size() ? m_fields[i] : nullptr;
}

QString TBatchUpdateFrm::Value() const
{
    return edtValue->text();
}

void TBatchUpdateFrm::done(int result)
{
    if (result == Accepted && !Field()) {
        ShowInfo(QStringLiteral("请选择要修改的项目."));
        cmbField->setFocus();
        return;
    }
    TaFrm::done(result);
}

// The text as a value of the field's kind; a text that is no such value raises the editors' messages.
static QVariant converted(const TField *field, const QString &text)
{
    const QString t = text.trimmed();
    if (t.isEmpty())
        return QVariant();
    bool ok = true;
    switch (field->Kind()) {
    case TFieldKind::Integer:
        t.toLongLong(&ok);
        if (!ok)
            throw EConvertError(QStringLiteral("\"%1\" 不是有效的整数.").arg(text));
        break;
    case TFieldKind::Float:
    case TFieldKind::Currency:
        t.toDouble(&ok);
        if (!ok)
            throw EConvertError(QStringLiteral("\"%1\" 不是有效的数字.").arg(text));
        break;
    case TFieldKind::DateTime:
        if (!ZoDate::Parse(t).isValid())
            throw EConvertError(QStringLiteral("\"%1\" 不是有效的日期.").arg(text));
        break;
    default:
        return text;
    }
    return t;
}

// A cached value in the form SetValueAt takes (money is cached scaled by 10000).
static QVariant asInput(const TField *field, const QVariant &cached)
{
    if (field->Kind() != TFieldKind::Currency || !cached.isValid() || cached.isNull())
        return cached;
    const qint64 v = cached.toLongLong();
    const qint64 whole = v / Money::Scale, part = qAbs(v % Money::Scale);
    return QStringLiteral("%1%2.%3").arg(v < 0 && whole == 0 ? QStringLiteral("-") : QString()).arg(whole).arg(part, 4, 10, QChar(u'0'));
}

void TBatchUpdateFrm::Apply(TDataSet &dataSet, TField *field, const QString &text, const QList<int> &rows,
                            const std::function<void()> &afterEach)
{
    const QVariant value = converted(field, text);
    const int remembered = dataSet.RecNo();
    QList<QPair<int, QVariant>> before;
    // The batch procedure writes through the application's connection, when there is one.
    std::optional<TTransaction> transaction;
    if (AppDatabase().Connected())
        transaction.emplace(AppDatabase());
    try {
        for (int row : rows) {
            before.append({row, dataSet.ValueAt(row, field->Index())});
            dataSet.SetRecNo(row);
            field->SetValue(value);
            dataSet.Post();
            if (afterEach)
                afterEach();
        }
        if (transaction)
            transaction->Commit();
    } catch (...) {
        for (const auto &[row, old] : before)
            dataSet.SetValueAt(row, field->Index(), asInput(field, old));
        dataSet.SetRecNo(remembered);
        throw;
    }
    dataSet.SetRecNo(remembered);
}
