#pragma once

#include "common/task_form.h"
#include "data/query.h"
#include "listings/listing_search.h"

#include <QList>
#include <QPointer>

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QStatusBar;
class QTableView;
class QToolButton;
class QueryModel;
class RangeEdit;
class RecordNavigator;

// The listing management list "매물관리": the broker's working list of
// listings. The search panel's conditions select rows of BUDONG.DB into the
// grid; from the selected row the user opens the entry form to add, change,
// delete or view a listing, prints the result as a ruled list, copies it for
// the full listing report and sets which columns the grid shows.
//
// The main window may open it on the expiring leases with
// showExpiringLeases() before exec(): the search panel then says that
// search (the period on 계약만료일, both flags "either", the order 만료일순),
// the grid shows the lease-end column, and "검색" repeats it until the user
// changes a condition.
class TFMbu_lst : public TaskForm {
    Q_OBJECT
public:
    explicit TFMbu_lst(QWidget* parent = nullptr);
    ~TFMbu_lst() override;

    // Sets the panel to the listings whose `expireday` lies between today
    // and today + `days`, both included, in the order of that date, and
    // searches when the form is shown.
    void showExpiringLeases(int days = 30);
    // Whether the panel still holds that search untouched.
    bool showsExpiringLeases() const { return expiringDays_ > 0; }

    // Work done whenever the form becomes active: on its first show and
    // after each form it opened has closed.
    void formActivate();
    // Runs the search of the panel ("검색").
    void search();

    // The search panel's inputs as they stand.
    ListingSearchInput searchInput() const;

    Query QRbudong;

    // Search panel "검색조건".
    QFrame* PNsearch = nullptr;
    QComboBox* CBim = nullptr;
    QComboBox* CBcname = nullptr;
    QLineEdit* EDcname1 = nullptr;
    RangeEdit* EDtotalm = nullptr;
    QLineEdit* EDname1 = nullptr;
    QLineEdit* EDaddr = nullptr;
    RangeEdit* EDdpung = nullptr;
    RangeEdit* EDgpung = nullptr;
    RangeEdit* EDstair = nullptr;
    QLineEdit* EDbuildname = nullptr;
    QRadioButton* RBexpireday = nullptr;
    QRadioButton* RBinday = nullptr;
    QLineEdit* EDday1 = nullptr;
    QLineEdit* EDday2 = nullptr;
    QToolButton* SpeedButton1 = nullptr;
    QPushButton* BTinq = nullptr;
    QPushButton* BThideView = nullptr;
    QRadioButton* RBcname = nullptr;
    QRadioButton* RBadd = nullptr;
    QRadioButton* RBscancode = nullptr;
    QRadioButton* RBexpireSort = nullptr;  // "만료일순", offered with the expiring leases

    // Bar under the panel.
    QLineEdit* EDman = nullptr;
    QCheckBox* CKBkwanggo = nullptr;
    QCheckBox* CKBreqing = nullptr;
    RecordNavigator* DBNavigator1 = nullptr;
    QPushButton* BTpict = nullptr;

    QTableView* DBGrid1 = nullptr;
    QLabel* PNnumberStrDisplay = nullptr;
    QFrame* PNgridSet = nullptr;
    QPushButton* BTgridSetClose = nullptr;

    // Button bar.
    QPushButton* BTinp = nullptr;
    QPushButton* BTmod = nullptr;
    QPushButton* BTdel = nullptr;
    QPushButton* BTcontract = nullptr;
    QPushButton* BTclients = nullptr;  // "손님?": the clients the selected listing fits
    QPushButton* BTprint = nullptr;
    QPushButton* BTpreview = nullptr;
    QPushButton* BTprint1 = nullptr;
    QPushButton* BTallprt = nullptr;
    QPushButton* BTcode = nullptr;
    QPushButton* BTgridSet = nullptr;
    QPushButton* BTquit = nullptr;

    // Status bar: result count, selection count, the amount unit, and what
    // the expiring-leases mode shows.
    QStatusBar* StatusBar1 = nullptr;
    QLabel* StatusCount = nullptr;
    QLabel* StatusSelected = nullptr;
    QLabel* StatusUnit = nullptr;
    QLabel* StatusMode = nullptr;

protected:
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Building the form (tfmbu_lst_layout.cpp).
    void buildForm();
    QFrame* buildSearchPanel();
    QWidget* buildFilterBar();
    void buildGrid();
    QWidget* buildButtonBar();
    void buildStatusBar();
    void buildOverlayPanels();
    void connectControls();
    void installFieldHandling();
    void placeOverlayPanels();

    // Searching.
    void runSearch(const ListingSearchInput& input);
    void showResult();
    void keepShownResult(const ListingStatement& shown, int row);
    void conditionChanged();
    void placeLeaseEndColumn();
    void fillClassificationList();
    void applyColumnSettings();
    void applyGridColumns();
    void showSelectionCount();
    void showTotalAmountWords();
    void moveGridRow(int row);
    int currentRow() const;
    QString selectedScancode();

    // Actions.
    void openEntryForm(int mode);
    void openContracts();
    void printList(bool preview);
    QString printTitle() const;
    void copyForFullReport();
    void showFittingClients();
    void printFullReport();
    void previewCardReport();
    void openPhotos();
    void openCodes();
    void choosePeriod();
    void toggleDetailColumns();

    // Column settings panel (tfmbu_lst_gridset.cpp).
    void openGridSettings();
    void closeGridSettings();
    void widthFieldChanged(QLineEdit* field);

    QueryModel* model_ = nullptr;
    QButtonGroup* dateGroup_ = nullptr;
    QButtonGroup* sortGroup_ = nullptr;
    bool shown_ = false;
    bool deletionFlag_ = false;
    int expiringDays_ = 0;
    ListingStatement shownStatement_;  // the search whose rows the grid shows
    QList<QPointer<QCheckBox>> gridSetBoxes_;
    QList<QPointer<QLineEdit>> gridSetWidths_;
};
