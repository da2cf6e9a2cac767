#pragma once
#include "ledger/AssetWhere.h"
#include "ui/framework/AFrm.h"
#include <functional>

class QCheckBox;
class QPushButton;
class TComboBox;
class TzoDateTimePicker;
class TzoEdit;

// The search window (查找): every condition a user can give an asset
// search. 确定 hands a fresh condition record to the opener's choice
// function and closes when that accepts it.
class TFinderFrm : public TaFrm {
    Q_OBJECT
public:
    using TChoice = std::function<bool(const RAssetWhere &)>;
    TFinderFrm(TChoice choice, QWidget *parent = nullptr);

    // The conditions the controls hold; throws EConvertError for a malformed entry.
    RAssetWhere Conditions() const;
    // Empties every box except 范围.
    void Reset();
    void OkClick();

    TComboBox *cmbReduced1, *edtAssetName1, *edtAssetKind1, *edtUseDept1, *edtUseState1, *cmbLayPlace1,
        *cmbDepositary1;
    TzoEdit *edtKeyword1, *edtAssetCode1, *edtAssetPartNo1, *edtGBCode1, *edtFactory1;
    TzoDateTimePicker *edtAccountDate1, *edtAccountDate2;
    TzoEdit *edtOriginValue1, *edtOriginValue2, *edtEndValue1, *edtEndValue2, *edtUseYears1, *edtUseYears2;
    TzoEdit *edtYearR1, *edtMonthR1;
    QList<TzoEdit *> edtStr;   // edtStr1 .. edtStr6
    QList<TzoEdit *> edtFloat; // edtFloat11, edtFloat12 .. edtFloat31, edtFloat32
    QList<TzoEdit *> edtDate;  // edtDate11, edtDate12 .. edtDate31, edtDate32
    QCheckBox *cbChanged1, *cbRepaired1;
    QPushButton *btnOk1, *btnCancel1, *btnReset1;

private:
    TChoice m_choice;
};
