#pragma once
#include "data/RecordSet.h"
#include <QList>
#include <QString>

// One right of the rights list: its code and the caption the rights editor shows.
struct TRightItem {
    int Code;
    QString Caption;
};

namespace OperatorRights {
// The twenty asset rights, in the editor's order.
QList<TRightItem> AssetRights();
// The nine general rights that follow them.
QList<TRightItem> GeneralRights();
// ",9,,12," for codes 9 and 12, in the order given.
QString Format(const QList<int> &codes);
// Whether `rights` holds the piece ",code,".
bool Contains(const QString &rights, int code);
} // namespace OperatorRights

class TOperator {
public:
    QString LoginId;
    QString Password; // the stored value: a hash, or plain text in an older ledger
    QString Name;
    QString Contact;
    QString Note;
    QString Rights;

    // Reads the operator; when no row matches, the members are left empty.
    void Load(const QString &loginId);
    // Exact comparison with the stored password; false when no operator was loaded.
    bool CheckPassword(const QString &password) const;
    // "sa" holds every right; others hold what their rights text lists.
    bool HasRight(int code) const;
    // On refusal shows the refusal message and, with `abortOnDeny`, abandons the command.
    bool RequireRight(int code, bool abortOnDeny) const;
    // Only "sa" passes; anybody else gets a message and the command is abandoned.
    void RequireSa() const;
    // Stores the hash of `newPassword` and keeps it in this object.
    void SavePassword(const QString &newPassword);
    bool IsSa() const { return LoginId == QStringLiteral("sa"); }

    // The whole login check: loads `loginId`, compares the password and, when
    // the stored value was still plain text, replaces it by its hash.
    bool LogIn(const QString &loginId, const QString &password);
};

// The operators other than "sa".
class TOperatorSet : public TRecordSet {
public:
    TOperatorSet();
    TField *UserIdField, *PasswdField, *NameField, *ContactField, *NoteField, *RightsField;

    void AddOperator(const QString &loginId, const QString &password, const QString &rights, const QString &note,
                     const QString &contact, const QString &name);
    // An empty password keeps the stored one.
    void UpdateOperator(const QString &loginId, const QString &password, const QString &rights, const QString &note,
                        const QString &contact, const QString &name);
    void DeleteOperator(const QString &loginId);
    QStringList LoginIds() const;
};

TOperator &CurrentOperator();
void ResetCurrentOperator();
// Makes every rights test of the program ask the logged-in operator.
void InstallOperatorRights();
