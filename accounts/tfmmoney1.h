#pragma once

#include "common/task_form.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

// The purchase and sales entry "매입 / 매출 등록": adds entries to the cash
// book one after another. Opened modally by the cash book, which searches
// again when it closes. The partner and the kind stay as chosen from one
// entry to the next; "종료" drops what was typed into the new entry.
class TFMmoney1 : public TaskForm {
    Q_OBJECT
public:
    explicit TFMmoney1(QWidget* parent = nullptr);
    ~TFMmoney1() override;

    // Fills the partner lists and chooses "매입"; runs on the first show.
    void formActivate();

    // The keys of the entries stored since the form opened.
    const QStringList& storedKeys() const { return storedKeys_; }

    QLineEdit* DBEdit1 = nullptr;    // 일자
    QComboBox* CBcomname = nullptr;  // 거래처
    QComboBox* CBcomno = nullptr;    // the partners' numbers, parallel to CBcomname; hidden
    QComboBox* CBgubun = nullptr;    // 구분: 매입, 매출
    QLineEdit* DBEmoney = nullptr;   // 금액
    QLineEdit* DBEvat = nullptr;     // 세액
    QLineEdit* DBEdit4 = nullptr;    // 내역
    QPushButton* BTinp = nullptr;
    QPushButton* BTquit = nullptr;
    QLabel* StatusBar1 = nullptr;

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildForm();
    void connectControls();
    void fillPartners();
    void startNewEntry();
    void leaveField(QLineEdit* field);
    void save();

    bool activated_ = false;
    QStringList storedKeys_;
};
