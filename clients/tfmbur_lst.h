#pragma once

#include "clients/client_match.h"
#include "clients/client_search.h"
#include "common/task_form.h"
#include "data/query.h"

class QCheckBox;
class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;
class QStatusBar;
class QTabWidget;
class QTableView;
class QToolButton;
class QueryModel;
class RangeEdit;
class RecordNavigator;

// The client list "손님 정보  &  물건유뮤 확인": the broker's list of client
// requests and the place where the office checks which listings fit a
// client. The search panel selects requests of BUREQU.DB into the first
// page; "물건?" matches the selected client's wishes (those the settings
// panel ticks, kept in qdb.ini) with the listings of BUDONG.DB into the
// second page, where the broker also records which listings were offered
// to the client.
class TFMbur_lst : public TaskForm {
    Q_OBJECT
public:
    explicit TFMbur_lst(QWidget* parent = nullptr);
    ~TFMbur_lst() override;

    // Work done whenever the form becomes active: on its first show and
    // after each form it opened has closed.
    void formActivate();
    // The client search of the panel ("검색시작").
    void search();
    // The match of the selected client ("물건?").
    void match();

    ClientSearchInput searchInput() const;
    // The settings as the panel's boxes show them.
    MatchSettings matchSettings() const;
    // The key of the client whose listings the second page shows.
    const QString& matchedClient() const { return matchedClient_.scancode; }

    Query QRburequ;
    Query QRbudong;

    // Search panel "검색조건".
    QFrame* PNsearch = nullptr;
    QComboBox* CBim = nullptr;
    QComboBox* CBcname = nullptr;
    QComboBox* CBworking = nullptr;
    QLineEdit* EDname = nullptr;
    QLineEdit* EDaddr = nullptr;
    QLineEdit* EDwantcom = nullptr;
    RangeEdit* EDdpung = nullptr;
    RangeEdit* EDgpung = nullptr;
    RangeEdit* EDyesan = nullptr;
    QLineEdit* EDday1 = nullptr;
    QLineEdit* EDday2 = nullptr;
    QToolButton* SpeedButton1 = nullptr;
    QPushButton* BTinq = nullptr;
    QPushButton* BThideView = nullptr;

    // The two pages.
    QTabWidget* PageControl1 = nullptr;
    QWidget* TabSheet1 = nullptr;
    QWidget* TabSheet2 = nullptr;
    QTableView* DBGrid1 = nullptr;
    RecordNavigator* DBNavigator1 = nullptr;
    QTableView* DBGrid2 = nullptr;
    RecordNavigator* DBNavigator2 = nullptr;
    QLabel* LBmatchedClient = nullptr;
    QPushButton* BToffer = nullptr;
    QLineEdit* EDofferNote = nullptr;
    QCheckBox* CKBhideOffered = nullptr;

    // Match settings panel "물건 일치조건 설정" over the first page.
    QFrame* PNinqCond = nullptr;
    QCheckBox* CKBcname = nullptr;
    QCheckBox* CKBaddr = nullptr;
    QCheckBox* CKBgpung = nullptr;
    QCheckBox* CKBdpung = nullptr;
    QCheckBox* CKByesan = nullptr;
    QCheckBox* CKBwantcom = nullptr;
    QCheckBox* CKBreqing = nullptr;
    QToolButton* SpeedButton2 = nullptr;

    // The budget in words while 예산 is typed.
    QLabel* PNnumberStrDisplay = nullptr;

    // Button bar.
    QPushButton* BTinp = nullptr;
    QPushButton* BTmod = nullptr;
    QPushButton* BTdel = nullptr;
    QPushButton* BTallview = nullptr;
    QPushButton* BTmatch = nullptr;
    QPushButton* BToffers = nullptr;
    QPushButton* BTprint = nullptr;
    QPushButton* BTpreview = nullptr;
    QPushButton* BTcode = nullptr;
    QPushButton* BTinqSet = nullptr;
    QPushButton* BTquit = nullptr;

    // Status bar: the client count, the match count, the budget's unit.
    QStatusBar* StatusBar1 = nullptr;
    QLabel* StatusClients = nullptr;
    QLabel* StatusMatches = nullptr;
    QLabel* StatusUnit = nullptr;

protected:
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Building (tfmbur_lst_layout.cpp).
    void buildForm();
    QFrame* buildSearchPanel();
    QWidget* buildPages();
    QWidget* buildClientPage();
    QWidget* buildMatchPage();
    QWidget* buildButtonBar();
    void buildStatusBar();
    void buildSettingsPanel();
    void buildBudgetPanel();
    void placeOverlayPanels();
    void connectControls();
    void installFieldHandling();

    // The client page.
    void runSearch(const ClientSearchInput& input);
    void fillCodeLists();
    void showBudgetWords();
    void enterClientGrid();
    void enterMatchGrid();
    void setClientButtons(bool enabled);
    int clientRow() const;
    void moveClientRow(int row);
    QString selectedClient();

    // Actions (tfmbur_lst_actions.cpp).
    void openEntryForm(int mode);
    void viewMatchedListing();
    void printPage(bool preview);
    void printClients(bool preview);
    void printMatches(bool preview);
    void openCodes();
    void choosePeriod();
    void toggleDetailColumns();
    void openSettings();
    void closeSettings();
    void offerSelected();
    void openOfferedHistory();

    // The match page (tfmbur_lst_match.cpp).
    void runMatch(const ClientWishes& client);
    void rerunMatch();
    void showMatchCount();
    void showMatchColumns();

    QueryModel* clientModel_ = nullptr;
    QueryModel* matchModel_ = nullptr;
    ClientWishes matchedClient_;
    bool matched_ = false;
    bool shown_ = false;
};
