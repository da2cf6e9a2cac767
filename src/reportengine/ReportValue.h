#pragma once
#include "data/Money.h"
#include <QByteArray>
#include <QDateTime>
#include <QString>

class TField;

// A value met while printing: a field, a variable, a constant or a computed result.
// Money stays an exact scaled integer as long as only money is added or subtracted.
struct TRptValue {
    enum Type { Null, Number, Money, Text, Date, Bool, Bytes };
    Type Kind = Null;
    double Num = 0;
    Currency Cash = 0;
    QString Str;
    QDateTime When;
    QByteArray Data;

    static TRptValue OfNumber(double v) { TRptValue r; r.Kind = Number; r.Num = v; return r; }
    static TRptValue OfMoney(Currency v) { TRptValue r; r.Kind = Money; r.Cash = v; return r; }
    static TRptValue OfText(const QString &v) { TRptValue r; r.Kind = Text; r.Str = v; return r; }
    static TRptValue OfBool(bool v) { TRptValue r; r.Kind = Bool; r.Num = v ? 1 : 0; return r; }
    // The value of `row` of a data-set field, typed after the field's kind.
    static TRptValue OfField(const TField &field, int row);

    bool IsNumeric() const { return Kind == Number || Kind == Money || Kind == Bool; }
    double ToDouble() const;
    bool ToBool() const;
    // The printed text; `format` is ",0.00" style for numbers and "yyyy-mm-dd" style for dates.
    QString ToText(const QString &format = QString()) const;
    // Orders two values (numbers numerically, dates by time, texts by code points).
    static int Compare(const TRptValue &a, const TRptValue &b);
};
