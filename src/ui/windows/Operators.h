#pragma once
#include "app/Operator.h"
#include "ui/framework/AInfoDlgFrm.h"
#include <memory>

class QListWidget;
class QPushButton;
class TOperatorEditorFrm;

// Operator administration: the list of operators and their rights.
class TOperatorsFrm : public TAInfoDlgFrm {
    Q_OBJECT
public:
    explicit TOperatorsFrm(QWidget *parent = nullptr);
    ~TOperatorsFrm() override;
    TOperatorEditorFrm *Editor() const { return m_editor; }

    void btnProp1Click();
    void Button2Click();
    void btnDelete1Click();

protected:
    void showEvent(QShowEvent *event) override;

private:
    // Shows the editor until it is cancelled or `save` succeeds.
    bool runEditor(const std::function<void()> &save);
    void updateButtons();

    std::unique_ptr<TOperatorSet> m_operators;
    TOperatorEditorFrm *m_editor;
    QListWidget *ListView1;
    QPushButton *btnProp1, *Button2, *btnDelete1;
    bool m_generalRightsAdded = false;
};
