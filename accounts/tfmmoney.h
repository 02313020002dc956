#pragma once

#include "accounts/cash_book_search.h"
#include "common/task_form.h"
#include "data/query.h"

class QComboBox;
class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QTableView;
class QToolButton;
class QueryModel;

// The cash book "금전 출납": the purchases and sales of the office for a
// period, one by one or summed by partner, day or month, with the totals of
// purchases, sales and their difference below the list. From here the user
// adds entries, deletes one, prints or saves the list, and opens the
// partners and the yearly settlement.
class TFMmoney : public TaskForm {
    Q_OBJECT
public:
    explicit TFMmoney(QWidget* parent = nullptr);
    ~TFMmoney() override;

    // On the first show: the partners, the current month, the search.
    void formActivate();
    // Runs the search of the filters ("검색"); nothing when a date field
    // holds a text that is not a date (the user is told).
    void search();

    CashBookFilter filter() const;
    CashList currentList() const;
    // The totals of the last search.
    const CashTotals& totals() const { return totals_; }

    Query QRmoney;

    // Filters.
    QComboBox* CBcomname = nullptr;
    QLineEdit* EDday1 = nullptr;
    QLineEdit* EDday2 = nullptr;
    QToolButton* SpeedButton1 = nullptr;
    QRadioButton* RBmaip = nullptr;
    QRadioButton* RBmach = nullptr;
    QRadioButton* RBmaipMach = nullptr;
    QRadioButton* RBall = nullptr;
    QRadioButton* RBday1 = nullptr;
    QRadioButton* RBcomname = nullptr;
    QRadioButton* RByearmonth = nullptr;
    QFrame* Shape1 = nullptr;  // the frame around the chosen list
    QPushButton* BTinq = nullptr;

    // Buttons on the right.
    QPushButton* BTinp = nullptr;
    QPushButton* BTprint = nullptr;
    QPushButton* BTpreview = nullptr;
    QPushButton* BTcsv = nullptr;
    QPushButton* BTdel = nullptr;
    QPushButton* BTupche = nullptr;
    QPushButton* BTmonth = nullptr;
    QPushButton* BTquit = nullptr;

    QTableView* DBGrid1 = nullptr;

    // The bottom bar.
    QLabel* LBmoneyCount = nullptr;
    QLabel* LBMoneyVat = nullptr;
    QLabel* LBmoney1Vat1 = nullptr;
    QLabel* LBdiff = nullptr;

protected:
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Building (tfmmoney_layout.cpp).
    void buildForm();
    QWidget* buildFilters();
    QWidget* buildButtonColumn();
    QWidget* buildBottomBar();
    void connectControls();

    void fillPartners();
    bool datesAreDates();
    void showTotals(int rows);
    void placeHighlight();
    QString selectedScancode();
    int currentRow() const;
    void moveGridRow(int row);

    // Actions.
    void openEntryForm();
    void deleteEntry();
    void printList(bool preview);
    void saveCsv();
    void openPartners();
    void openSettlement();
    void choosePeriod();
    void pickDay(QLineEdit* field);

    QueryModel* model_ = nullptr;
    QGroupBox* kindGroup_ = nullptr;
    QGroupBox* listGroup_ = nullptr;
    CashTotals totals_;
    bool activated_ = false;
};
