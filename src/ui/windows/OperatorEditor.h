#pragma once
#include "ui/framework/ADlgFrm.h"

class QLineEdit;
class QListWidget;

// The properties and rights of one operator. Existing passwords cannot be
// shown (only their hashes are stored): the boxes start empty, and empty
// boxes keep the stored password.
class TOperatorEditorFrm : public TADlgFrm {
    Q_OBJECT
public:
    explicit TOperatorEditorFrm(QWidget *parent = nullptr);

    void AddRight(const QString &caption, int code);
    int RightCount() const;
    QStringList RightCaptions() const;
    void Reset();

    QString UserId() const;
    void SetUserId(const QString &id);
    QString Passwd() const;
    void SetPasswd(const QString &password);
    QString Rights() const;
    void SetRights(const QString &rights);
    QString EmpName() const;
    void SetEmpName(const QString &v);
    QString EmpTel() const;
    void SetEmpTel(const QString &v);
    QString EmpNote() const;
    void SetEmpNote(const QString &v);

protected:
    bool CheckInput() override;

private:
    QLineEdit *edtUserId1, *edtName1, *edtContact1, *edtNote1, *edtPassword1, *edtPassword2;
    QListWidget *CheckListBox1;
};
