#pragma once

#include "common/task_form.h"
#include "data/table.h"

class QLineEdit;
class QPushButton;

// The office information form "중개소 기본정보": the representative, name,
// address, telephone and registration number of the office (the first row
// of MY.DB), which the contract forms copy into new contracts. Opened
// modally with no values.
class TFMmy_lst : public TaskForm {
    Q_OBJECT
public:
    explicit TFMmy_lst(QWidget* parent = nullptr);

    // Reads the office's row (or starts one when there is none); runs once,
    // when the form is first shown.
    void formActivate();

    void reject() override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void buildControls();
    void save();
    bool changed() const;

    Table TBmy;
    bool activated_ = false;
    bool confirmed_ = false;
    QStringList loaded_;

    QLineEdit* DBComname1 = nullptr;
    QLineEdit* DBComtitle1 = nullptr;
    QLineEdit* DBComadd1 = nullptr;
    QLineEdit* DBComtel1 = nullptr;
    QLineEdit* DBComno1 = nullptr;
    QPushButton* BTinp = nullptr;
    QPushButton* BTquit = nullptr;
};
