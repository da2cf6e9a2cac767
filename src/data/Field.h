#pragma once
#include "data/Money.h"
#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <QVariant>

class TDataSet;

enum class TFieldKind { Integer, String, WideString, Memo, Float, Boolean, DateTime, Currency, Blob };

// A declared column of a record set. Values live in the data set's cached
// rows; a field reads and writes the value of the current row. In the cache
// money is kept as Currency (qint64 scaled by 10000), dates as QDateTime,
// and NULL as an invalid QVariant.
class TField {
public:
    TField(TDataSet *dataSet, TFieldKind kind, const QString &name);

    TDataSet *DataSet() const { return m_dataSet; }
    TFieldKind Kind() const { return m_kind; }
    bool IsNumeric() const;
    bool IsText() const { return m_kind == TFieldKind::String || m_kind == TFieldKind::WideString || m_kind == TFieldKind::Memo; }
    int Index() const { return m_index; }

    QString FieldName() const { return m_name; }
    // The label shown in grids and exports; the field name when none was given.
    QString DisplayLabel() const { return m_label.isEmpty() ? m_name : m_label; }
    void SetDisplayLabel(const QString &label) { m_label = label; }
    bool Visible() const { return m_visible; }
    void SetVisible(bool visible) { m_visible = visible; }
    // Characters for text fields (20 when not set).
    int Size() const { return m_size; }
    void SetSize(int size) { m_size = size; }
    int DisplayWidth() const { return m_displayWidth; }
    void SetDisplayWidth(int width) { m_displayWidth = width; }
    QString DisplayFormat() const { return m_displayFormat; }
    void SetDisplayFormat(const QString &format) { m_displayFormat = format; }
    bool Calculated() const { return m_calculated; }
    void SetCalculated(bool calculated) { m_calculated = calculated; }

    // Values of the current row. NULL reads as "", 0, false or an invalid date.
    QVariant Value() const;
    bool IsNull() const;
    QString AsString() const;
    int AsInteger() const;
    qint64 AsLargeInt() const;
    double AsFloat() const;
    Currency AsCurrency() const;
    QDateTime AsDateTime() const;
    QDate AsDate() const { return AsDateTime().date(); }
    bool AsBoolean() const;
    QByteArray AsBytes() const;
    // The text a grid shows (money as 1,234,567.50).
    QString DisplayText() const;

    // Changes the cached value of the current row; nothing is written to the database.
    void SetValue(const QVariant &value);
    void Clear() { SetValue(QVariant()); }

    // Brings a value read from the database or given by a caller into this field's cache form.
    QVariant Normalize(const QVariant &value) const;
    // The display text of a cached value of this field.
    QString FormatValue(const QVariant &value) const;

private:
    friend class TDataSet;
    TDataSet *m_dataSet;
    TFieldKind m_kind;
    QString m_name;
    QString m_label;
    QString m_displayFormat;
    int m_index = -1;
    int m_size = 20;
    int m_displayWidth = 0;
    bool m_visible = true;
    bool m_calculated = false;
};

// Number formats of the ",0.00" family: ',' anywhere asks for thousands
// separators, the digits after '.' give the decimals ('0' fixed, '#' optional).
QString FormatFloat(const QString &format, double value);
QString FormatVariantText(const QVariant &value);
// Converts a "yyyy-mm-dd hh:nn:ss" style format into Qt's notation.
QString QtDateFormat(const QString &format);
