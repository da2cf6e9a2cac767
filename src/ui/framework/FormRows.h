#pragma once
#include <QString>

class QFormLayout;
class QLineEdit;

// A labelled line edit appended to a form, named for tests to find.
QLineEdit *AddFormEdit(QFormLayout *form, const char *objectName, const QString &caption, bool masked = false);
