#pragma once

#include "common/task_form.h"
#include "data/query.h"
#include "people/people_search.h"

class PeopleModel;
class QButtonGroup;
class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QStatusBar;
class QTableView;

// The people directory "인명부 관리": the office's contacts searched by
// relation, business type, product kind, name, region, a birthday or
// wedding-anniversary range and further conditions, or by the birthdays and
// anniversaries of the coming days. From the selected row the user opens the
// person entry form to add, change, delete or view a Person; "DM" hands the
// search's Persons to label printing through the mail-out table; the list
// can be saved as CSV and as electronic business cards.
class TFMman_lst : public TaskForm {
    Q_OBJECT
public:
    explicit TFMman_lst(QWidget* parent = nullptr);
    ~TFMman_lst() override;

    // Work done when the form is first shown: the drop-down lists and a
    // search without conditions.
    void formActivate();
    // "검색시작" of the search area (without the further conditions) or of
    // the panel of further conditions (with them).
    void search(bool withExtra);
    // "다가오는 생일": the birthdays and anniversaries of the next 7 or 30
    // days (as CBupcoming says) among the Persons of the search area's lists,
    // name and region.
    void searchUpcoming();

    // The search area's inputs as they stand.
    PeopleSearchInput searchInput(bool withExtra) const;
    const PeopleModel& model() const { return *model_; }

    Query QRman;

    // Search area "검색조건".
    QFrame* PNsearch = nullptr;
    QComboBox* CBgubun = nullptr;
    QComboBox* CBcompart = nullptr;
    QComboBox* CBcargubun = nullptr;
    QLineEdit* EDname = nullptr;
    QLineEdit* EDloca = nullptr;
    QRadioButton* RB1 = nullptr;
    QRadioButton* RB2 = nullptr;
    QLineEdit* EDday1 = nullptr;
    QLineEdit* EDday2 = nullptr;
    QPushButton* BTinq = nullptr;
    QPushButton* BTinqset = nullptr;
    QComboBox* CBupcoming = nullptr;
    QPushButton* BTupcoming = nullptr;

    // Panel "추가 검색조건 설정".
    QFrame* PNinqset = nullptr;
    QLineEdit* EDcomname = nullptr;
    QLineEdit* EDcomaddr = nullptr;
    QLineEdit* EDbuse = nullptr;
    QLineEdit* EDgrade = nullptr;
    QLineEdit* EDjob = nullptr;
    QLineEdit* EDhighschool = nullptr;
    QLineEdit* EDuniv1 = nullptr;
    QLineEdit* EDuniv2 = nullptr;
    QLineEdit* EDtg = nullptr;
    QLineEdit* EDcm = nullptr;
    QLineEdit* EDmajor = nullptr;
    QLineEdit* EDguipday1 = nullptr;
    QLineEdit* EDguipday2 = nullptr;
    QLineEdit* EDname1 = nullptr;
    QPushButton* BTdetinq = nullptr;
    QPushButton* BTclose = nullptr;

    QTableView* DBGrid1 = nullptr;

    // Detail strip of the current row.
    QLabel* DBcomaddr = nullptr;
    QLabel* DBcomaddr1 = nullptr;
    QLabel* DBhomeaddr = nullptr;
    QLabel* DBhomeaddr1 = nullptr;
    QLabel* DBcargubun = nullptr;
    QLabel* DBguipday = nullptr;
    QLabel* DBpipi = nullptr;
    QLabel* DBcomtel = nullptr;
    QLabel* DBbirthday = nullptr;

    // Button column.
    QPushButton* BTinp = nullptr;
    QPushButton* BTmod = nullptr;
    QPushButton* BTdel = nullptr;
    QPushButton* BTallview = nullptr;
    QPushButton* BTdm = nullptr;
    QPushButton* BTcode = nullptr;
    QPushButton* BTzip = nullptr;
    QPushButton* BTcsv = nullptr;
    QPushButton* BTvcard = nullptr;
    QPushButton* BTquit = nullptr;

    // Status bar: the result count and what the list shows.
    QStatusBar* StatusBar1 = nullptr;
    QLabel* StatusCount = nullptr;
    QLabel* StatusMode = nullptr;

protected:
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Building the form (tfmman_lst_layout.cpp).
    void buildForm();
    QFrame* buildSearchArea();
    void buildExtraPanel();
    void buildGrid();
    QFrame* buildDetailStrip();
    QWidget* buildButtonColumn();
    void buildStatusBar();
    void connectControls();
    void installFieldHandling();
    void placeExtraPanel();

    // The search the list shows, repeated after the entry form closes.
    struct Shown {
        bool upcoming = false;
        int days = 0;
        PeopleSearchInput input;
    };
    void runSearch(const Shown& search, const QString& keepKey = {});
    void showResult(const QString& keepKey);
    void showDetail();
    void fillCodeLists();
    void fillRangeBound();
    QString selectedKey() const;

    // Actions.
    void openEntryForm(int mode);
    void sendDm();
    void openCodes();
    void openPostalCodes();
    void saveCsv();
    void saveVCards();
    void openExtraPanel();

    PeopleModel* model_ = nullptr;
    QButtonGroup* dateGroup_ = nullptr;
    bool activated_ = false;
    Shown shown_;
};
