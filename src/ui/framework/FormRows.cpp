#include "ui/framework/FormRows.h"
#include <QFormLayout>
#include <QLineEdit>

QLineEdit *AddFormEdit(QFormLayout *form, const char *objectName, const QString &caption, bool masked)
{
    auto *edit = new QLineEdit(form->parentWidget());
    edit->setObjectName(QString::fromLatin1(objectName));
    if (masked)
        edit->setEchoMode(QLineEdit::Password);
    form->addRow(caption, edit);
    return edit;
}
