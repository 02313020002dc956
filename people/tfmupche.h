#pragma once

#include "common/task_form.h"
#include "data/query.h"
#include "people/tfmupche_search.h"

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QStatusBar;
class QTableView;
class QueryModel;

// The partner list "거래처 관리": finds business partners by number, name,
// representative or address, and opens the detail to enter new partners or
// change one; deletes a partner with its cash-book history; prints the list
// (with the addresses), previews it or saves it as CSV. Opened modally from
// the cash book.
class TFMupche : public TaskForm {
    Q_OBJECT
public:
    explicit TFMupche(QWidget* parent = nullptr);
    ~TFMupche() override;

    // On the first show: the search.
    void formActivate();
    // Runs the search of the search fields ("검색 !").
    void search();
    PartnerSearch searchInput() const;

    Query QRupche;

    // Search area "검색조건".
    QLineEdit* EDcomno = nullptr;
    QLineEdit* EDcomname = nullptr;
    QLineEdit* EDname = nullptr;
    QLineEdit* EDaddr = nullptr;
    QPushButton* BTinq = nullptr;

    QTableView* DBGrid1 = nullptr;

    QPushButton* BTinp = nullptr;
    QPushButton* BTmod = nullptr;
    QPushButton* BTdel = nullptr;
    QPushButton* BTprint = nullptr;
    QPushButton* BTpreview = nullptr;
    QPushButton* BTcsv = nullptr;
    QPushButton* BTquit = nullptr;

    // The bottom strip: the current partner's other fields.
    QLabel* DBTaddr = nullptr;
    QLabel* DBTzip = nullptr;
    QLabel* DBTremark = nullptr;
    QLabel* DBTupjong = nullptr;
    QLabel* DBTupta = nullptr;
    QLabel* DBTfmoney = nullptr;
    QLabel* LBcomname = nullptr;
    QGroupBox* RG1 = nullptr;           // "정렬순서"
    QRadioButton* RBcomname = nullptr;  // "업체명"
    QRadioButton* RBcomno = nullptr;    // "업체코드"

    QStatusBar* StatusBar1 = nullptr;
    QLabel* StatusCount = nullptr;

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Building (tfmupche_layout.cpp).
    void buildForm();
    QWidget* buildSearchArea();
    QWidget* buildButtonColumn();
    QWidget* buildBottomStrip();
    void connectControls();

    void rowChanged();
    int currentRow() const;
    void moveGridRow(int row);
    QString currentText(const char* field);

    void openDetail(bool change);
    void deletePartnerRow();
    void print(bool preview);
    void saveCsv();

    QueryModel* model_ = nullptr;
    bool activated_ = false;
};
