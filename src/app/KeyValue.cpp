#include "app/KeyValue.h"
#include "data/SqlDialect.h"

TKeyValue2::TKeyValue2()
{
    AddField(TFieldKind::Integer, QStringLiteral("KeyId"), -1, true, QString());
    AddField(TFieldKind::Integer, QStringLiteral("Vint"), -1, true, QString());
    AddField(TFieldKind::Memo, QStringLiteral("Vstr"), -1, true, QString());
    AddField(TFieldKind::Float, QStringLiteral("Vfloat"), -1, true, QString());
    AddField(TFieldKind::Boolean, QStringLiteral("Vbool"), -1, true, QString());
}

QString TKeyValue2::ReadStr(int keyId, const QString &def)
{
    const QString v = QueryValue(QStringLiteral("select Vstr from keyvalue where KeyId=:Id"), {DBParam(QStringLiteral("Id"), keyId)}).toString();
    return v.isEmpty() ? def : v;
}

bool TKeyValue2::ReadBool(int keyId)
{
    const QVariant v = QueryValue(QStringLiteral("select Vbool from keyvalue where KeyId=:Id"), {DBParam(QStringLiteral("Id"), keyId)});
    return ZoDate::ToBool(v);
}

bool TKeyValue2::WriteValues(int keyId, const QString &vstr, bool vbool, double vfloat, int vint)
{
    const TDBParameters params = {DBParam(QStringLiteral("Vstr"), vstr), DBParam(QStringLiteral("Vint"), vint),
                                  DBParam(QStringLiteral("Vfloat"), vfloat), DBParam(QStringLiteral("Vbool"), vbool),
                                  DBParam(QStringLiteral("KeyId"), keyId)};
    if (AppDatabase().ExecSQL(QStringLiteral("update keyvalue set Vstr=:Vstr, Vint=:Vint, Vfloat=:Vfloat, Vbool=:Vbool where KeyId=:KeyId"), params) == 1)
        return true;
    return AppDatabase().ExecSQL(QStringLiteral("insert into keyvalue(Vstr, Vint, Vfloat, Vbool, KeyId)values(:Vstr, :Vint, :Vfloat, :Vbool, :KeyId)"), params) == 1;
}

void TKeyValue2::Find(int keyId)
{
    for (int attempt = 0; attempt < 2; ++attempt) {
        if (!Active())
            Open(QStringLiteral("select * from keyvalue"));
        if (DataSet()->Locate(QStringLiteral("KeyId"), keyId))
            return;
        Close();
        AppDatabase().Execute(QStringLiteral("insert into keyvalue(KeyId) values (:KeyId)"), {DBParam(QStringLiteral("KeyId"), keyId)});
    }
}

bool TKeyValue2::Flag(int keyId)
{
    Find(keyId);
    return FieldByName(QStringLiteral("Vbool"))->AsBoolean();
}

void TKeyValue2::SetFlag(int keyId, bool value)
{
    Find(keyId);
    if (!WriteValues(keyId, QString(), value, 0, 0))
        return;
    FieldByName(QStringLiteral("Vstr"))->SetValue(QString());
    FieldByName(QStringLiteral("Vbool"))->SetValue(value);
    FieldByName(QStringLiteral("Vfloat"))->SetValue(0.0);
    FieldByName(QStringLiteral("Vint"))->SetValue(0);
    DataSet()->Post();
}

namespace {
std::unique_ptr<TKeyValue2> g_keyValues;
}

TKeyValue2 &KeyValues()
{
    if (!g_keyValues)
        g_keyValues = std::make_unique<TKeyValue2>();
    return *g_keyValues;
}

void ResetKeyValues() { g_keyValues.reset(); }
