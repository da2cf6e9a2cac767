#pragma once
#include "ledger/Asset.h"
#include "ui/framework/AFrm.h"
#include <functional>
#include <memory>

class QPushButton;
class QStackedWidget;
class TzoDBGrid;
class TzoEdit;

// The asset picker (查找): a keyword search over the held assets, then a
// list from which one asset is handed to the opener's choice function.
class TAssetPickFrm : public TaFrm {
    Q_OBJECT
public:
    using TChoice = std::function<bool(const RAsset &)>;
    TAssetPickFrm(TChoice choice, QWidget *parent = nullptr);
    ~TAssetPickFrm() override;

    void FindClick();
    void OkClick();
    bool OnListPage() const;
    TAssetsSet &Assets() const { return *m_assets; }

    TzoEdit *edtKeyword1;
    QPushButton *btnFind1, *btnCancel1, *btnOk1, *btnCancel2, *btnBack1;
    TzoDBGrid *DBGrid1;

private:
    TChoice m_choice;
    std::unique_ptr<TAssetsSet> m_assets;
    QStackedWidget *m_pages;
};
