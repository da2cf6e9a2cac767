#pragma once
#include <QString>

// The one company row, printed on reports.
class TCompany {
public:
    int Id = 0;
    QString CompanyName;
    QString Manager;
    QString Tel;
    QString Fax;
    QString Address;
    QString Zip;
    QString Profile;
    int UseCount = 0;
    bool Updated = false;

    void Load();
    // At least 8 GBK bytes (four Chinese characters).
    bool IsFilled() const;
    bool Exists() const;
    void Save();
};

TCompany &CurrentCompany();
void ResetCurrentCompany();
