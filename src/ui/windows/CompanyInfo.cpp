#include "ui/windows/CompanyInfo.h"
#include "app/Company.h"
#include "app/Prompter.h"
#include "ui/framework/FormRows.h"
#include "data/Exceptions.h"
#include <QFormLayout>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

TCompanyInfoFrm::TCompanyInfoFrm(bool readOnly, QWidget *parent) : TADlgFrm(parent)
{
    setObjectName(QStringLiteral("CompanyInfoFrm"));
    setWindowTitle(QStringLiteral("公司信息"));
    auto *form = new QFormLayout(Body());
    auto edit = [form](const char *name, const QString &caption) { return AddFormEdit(form, name, caption); };
    EdtCompany1 = edit("EdtCompany1", QStringLiteral("企业名称"));
    EdtLawMan1 = edit("EdtLawMan1", QStringLiteral("负责人"));
    EdtTel1 = edit("EdtTel1", QStringLiteral("联系电话"));
    EdtFax1 = edit("EdtFax1", QStringLiteral("传真号码"));
    EdtAddress1 = edit("EdtAddress1", QStringLiteral("地址"));
    edtZip1 = edit("edtZip1", QStringLiteral("邮编"));
    MemIntrol1 = new QPlainTextEdit(Body());
    MemIntrol1->setObjectName(QStringLiteral("MemIntrol1"));
    MemIntrol1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    form->addRow(QStringLiteral("公司简介"), MemIntrol1);
    OkBtn1->setEnabled(!readOnly);
    resize(480, 420);
    LoadFromCompany();
}

void TCompanyInfoFrm::LoadFromCompany()
{
    const TCompany &c = CurrentCompany();
    EdtCompany1->setText(c.CompanyName);
    EdtLawMan1->setText(c.Manager);
    EdtTel1->setText(c.Tel);
    EdtFax1->setText(c.Fax);
    EdtAddress1->setText(c.Address);
    edtZip1->setText(c.Zip);
    MemIntrol1->setPlainText(c.Profile);
}

void TCompanyInfoFrm::StoreIntoCompany() const
{
    TCompany &c = CurrentCompany();
    c.CompanyName = EdtCompany1->text();
    c.Manager = EdtLawMan1->text();
    c.Tel = EdtTel1->text();
    c.Fax = EdtFax1->text();
    c.Address = EdtAddress1->text();
    c.Zip = edtZip1->text();
    c.Profile = MemIntrol1->toPlainText();
}

void TCompanyInfoFrm::Edit(bool readOnly, QWidget *parent)
{
    TCompanyInfoFrm dlg(readOnly, parent);
    while (dlg.exec() == QDialog::Accepted) {
        dlg.StoreIntoCompany();
        try {
            CurrentCompany().Save();
            return;
        } catch (const EZoError &e) {
            if (!e.Message().isEmpty()) // an abort has been shown already
                ShowInfo(e.Message());
            // The table still holds the old company: so must memory.
            CurrentCompany().Load();
        }
    }
}
