#pragma once

#include "data/query.h"
#include "listings/listing_search.h"

#include <QDialog>
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

// The listing management list "매물관리": the broker's working list of
// listings. The search panel's conditions select rows of BUDONG.DB into the
// grid; from the selected row the user opens the entry form to add, change,
// delete or view a listing, prints the result as a ruled list, copies it for
// the full listing report and sets which columns the grid shows.
//
// The main window may open it in the expiring-leases mode with
// showExpiringLeases() before exec(): the list then shows the listings whose
// lease ends within the coming days, whatever their request and
// advertisement flags, until the user searches with "검색".
class TFMbu_lst : public QDialog {
    Q_OBJECT
public:
    explicit TFMbu_lst(QWidget* parent = nullptr);
    ~TFMbu_lst() override;

    // Shows the listings whose `expireday` lies between today and today +
    // `days`, both included, in the order of that date.
    void showExpiringLeases(int days = 30);
    bool showsExpiringLeases() const { return expiringDays_ > 0; }

    // Work done whenever the form becomes active: on its first show and
    // after each form it opened has closed.
    void formActivate();
    // Runs the search of the panel ("검색"); leaves the expiring-leases mode.
    void search();

    // The search panel's inputs as they stand.
    ListingSearchInput searchInput() const;

    Query QRbudong;

    // Search panel "검색조건".
    QFrame* PNsearch = nullptr;
    QComboBox* CBim = nullptr;
    QComboBox* CBcname = nullptr;
    QLineEdit* EDcname1 = nullptr;
    QLineEdit* EDtotalm = nullptr;
    QLineEdit* EDname1 = nullptr;
    QLineEdit* EDaddr = nullptr;
    QLineEdit* EDdpung = nullptr;
    QLineEdit* EDgpung = nullptr;
    QLineEdit* EDstair = nullptr;
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

    // Bar under the panel.
    QLineEdit* EDman = nullptr;
    QCheckBox* CKBkwanggo = nullptr;
    QCheckBox* CKBreqing = nullptr;
    QFrame* DBNavigator1 = nullptr;
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
    void runCurrentSearch();
    ListingStatement expiringLeaseStatement();
    void runStatement(const ListingStatement& statement);
    void showResult(bool opened);
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
    void printList(bool preview);
    QString printTitle() const;
    void copyForFullReport();
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
    QList<QPointer<QCheckBox>> gridSetBoxes_;
    QList<QPointer<QLineEdit>> gridSetWidths_;
};
