#pragma once

#include "common/task_form.h"
#include "people/person_record.h"

#include <QHash>

#include <optional>

class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QStatusBar;
class QTabWidget;

// The person entry form "인적사항 입력/수정/삭제": registers a new Person,
// shows, changes or deletes one, on two pages ("기본사항", "기타사항"), with
// postal-code look-ups (F2 in an address field) and the weekday beside the
// dates.
//
// The opener sets `entryMode` (1 new, 2 change or delete, 4 view) and, for
// modes 2 and 4, the key `scancode`, then calls exec(). Afterwards
// savedKey() names the Person last saved, if any.
class TFMman_imd : public TaskForm {
    Q_OBJECT
public:
    explicit TFMman_imd(QWidget* parent = nullptr);
    ~TFMman_imd() override;

    int entryMode = 1;
    QString scancode;

    QString savedKey() const { return savedKey_; }

    // Prepares the form for its mode and loads the Person; closes the form
    // when the Person does not exist. Runs once, on the first show.
    void formActivate();

    // Whether the controls hold something that was not saved.
    bool hasUnsavedChanges() const;

    QTabWidget* PageControl1 = nullptr;
    QWidget* TabSheet1 = nullptr;  // "기본사항"
    QWidget* TabSheet2 = nullptr;  // "기타사항"

    QLineEdit* EDname = nullptr;
    QComboBox* CBgubun = nullptr;
    QComboBox* CBgroup = nullptr;
    QLineEdit* EDhandphone = nullptr;
    QLineEdit* EDpipi = nullptr;
    QLineEdit* EDcomtel = nullptr;
    QLineEdit* EDhometel = nullptr;
    QComboBox* CBdmsource = nullptr;
    QLineEdit* EDname1 = nullptr;
    QLineEdit* EDguipday = nullptr;
    QLabel* LBguipday = nullptr;
    QComboBox* CBcargubun = nullptr;
    QPlainTextEdit* MOremark = nullptr;

    QLineEdit* EDbirthday = nullptr;
    QRadioButton* RBu = nullptr;
    QRadioButton* RBy = nullptr;
    QLineEdit* EDmeetday = nullptr;
    QLabel* LBmeetday = nullptr;
    QLineEdit* EDcomname = nullptr;
    QComboBox* CBcompart = nullptr;
    QLineEdit* EDbuse = nullptr;
    QLineEdit* EDgrade = nullptr;
    QLineEdit* EDjob = nullptr;
    QLineEdit* EDcomfax = nullptr;
    QLineEdit* EDhomefax = nullptr;
    QLineEdit* EDcomzip = nullptr;
    QLineEdit* EDcomaddr = nullptr;
    QLineEdit* EDcomaddr1 = nullptr;
    QLineEdit* EDhomezip = nullptr;
    QLineEdit* EDhomeaddr = nullptr;
    QLineEdit* EDhomeaddr1 = nullptr;
    QLineEdit* EDhighschool = nullptr;
    QLineEdit* EDuniv1 = nullptr;
    QLineEdit* EDuniv2 = nullptr;
    QLineEdit* EDmajor = nullptr;
    QLineEdit* EDtg = nullptr;
    QLineEdit* EDcm = nullptr;
    QLineEdit* EDmarryday = nullptr;
    QLabel* LBmarryday = nullptr;

    QPushButton* BTinp = nullptr;
    QPushButton* BTmod = nullptr;
    QPushButton* BTdel = nullptr;
    QPushButton* BTquit = nullptr;

    QStatusBar* StatusBar1 = nullptr;
    QLabel* StatusPanel0 = nullptr;  // what was done
    QLabel* StatusPanel1 = nullptr;  // the F2 hint

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Building the form (tfmman_imd_layout.cpp).
    void buildForm();
    QWidget* buildBasicPage();
    QWidget* buildOtherPage();
    QWidget* buildButtonColumn();
    void buildStatusBar();
    QLineEdit* addEdit(QWidget* page, const char* name, int bytes);
    QComboBox* addCodeList(QWidget* page, const char* name);
    void connectControls();
    void installFieldHandling();

    // Loading and showing.
    void activate();
    void fillCodeLists();
    void showPerson(const PersonRecord& person);
    void selectStoredText(QComboBox* box, const QString& text);
    void closeSoon();

    // Fields.
    QString controlText(const PersonTextField& field) const;
    PersonRecord personFromControls() const;
    void pageChosen(int page);
    void leaveDateField(QLineEdit* field);
    bool checkBirthday();
    void showWeekday(QLineEdit* field);
    void lookUpPostalCode(QLineEdit* field);
    void focusField(QWidget* field);

    // Buttons.
    std::optional<PersonRecord> checkedPerson();
    void saveAsNew();
    void saveChange();
    void deletePerson();

    QHash<QString, QWidget*> controls_;
    PersonRecord shownAsSaved_;  // what the controls held after loading or saving
    QString savedKey_;
    bool activated_ = false;
};
