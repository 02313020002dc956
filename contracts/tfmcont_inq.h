#pragma once

#include "common/task_form.h"
#include "data/query.h"

class FoundContractsModel;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QTableView;

// The contract search "계약서 검색": finds stored lease or sale contracts by
// address, party names and signing dates, and opens the chosen one (or a
// new one) in its contract form. Opened modally by the contract chooser.
class TFMcont_inq : public TaskForm {
    Q_OBJECT
public:
    explicit TFMcont_inq(QWidget* parent = nullptr);
    ~TFMcont_inq() override;

    // The first search; runs once, when the form is first shown.
    void formActivate();

    // Searches with the conditions on the form; the grid keeps the row of
    // the contract with `keepKey` when it is still listed.
    void search(qint64 keepKey = 0);

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildControls();
    void connectControls();
    void kindChosen();
    void openContract(bool detail);
    qint64 currentKey() const;

    Query QRcont;
    FoundContractsModel* model_ = nullptr;
    bool activated_ = false;

    QGroupBox* GroupBox1 = nullptr;
    QRadioButton* RBimdae = nullptr;
    QRadioButton* RBmama = nullptr;
    QLineEdit* EDsojaji = nullptr;
    QLabel* LBname1 = nullptr;
    QLineEdit* EDname1 = nullptr;
    QLabel* LBname2 = nullptr;
    QLineEdit* EDname2 = nullptr;
    QLabel* LBday = nullptr;
    QLineEdit* EDday1 = nullptr;
    QLineEdit* EDday2 = nullptr;
    QPushButton* BTinq = nullptr;
    QPushButton* BTinp = nullptr;
    QPushButton* BTdtlinq = nullptr;
    QPushButton* BTquit = nullptr;
    QTableView* DBGrid1 = nullptr;
    QLabel* LBcount = nullptr;
};
