#pragma once

#include "common/task_form.h"
#include "listings/listing_record.h"

#include <QHash>
#include <QPointer>

#include <optional>

class QCheckBox;
class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QStatusBar;

// The listing entry form "부동산  매물   입력/수정/삭제": registers a new listing,
// shows, changes or deletes one, keeps its payment reminders in the diary and
// offers the look-ups of the owner's other listings and of postal codes.
//
// The opener sets `entryMode` (1 new, 2 change or delete, 4 view) and, for
// modes 2 and 4, the listing number `scancode`, then calls exec(). After it
// closes, `deleted` tells whether the listing was deleted.
class TFMbu_imd : public TaskForm {
    Q_OBJECT
  public:
    explicit TFMbu_imd(QWidget* parent = nullptr);
    ~TFMbu_imd() override;

    int entryMode = 1;
    QString scancode;
    bool deleted = false;

    // The number of the listing the form holds: the handed-in one, or the
    // number of the new listing once it was saved; empty until then.
    QString currentNumber() const { return currentNumber_; }

    // Prepares the form for its mode and loads the listing; closes the form
    // when the listing does not exist. Runs once, on the first show: the
    // look-up forms this form opens must not reload it over what was typed.
    void formActivate();

  protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    // Building the controls (tfmbu_imd_layout.cpp).
    void buildForm();
    void buildOwnerBlock(QWidget* area);
    void buildTenantBlock(QWidget* area);
    void buildButtonColumn();
    void buildViewPanel();
    void buildStatusBar();
    QLineEdit* addEdit(QWidget* area, const char* name, QRect geometry, int labelWidth);
    void connectControls();
    void installFieldHandling();

    // Activation and loading.
    void activate();
    void startNewListing();
    bool loadHandedInListing();
    void showListing(const ListingRecord& listing);
    void fillClassificationList();
    void selectStoredText(QComboBox* box, const QString& text);
    void closeSoon();

    // Field behaviour.
    void enterNumberField(QLineEdit* field);
    void leaveField(QLineEdit* field);
    void leaveNumberField(QLineEdit* field);
    void leaveDateField(QLineEdit* field);
    void showDerivedAmounts();
    void lookUpTelephone();
    void lookUpPostalCode();
    void setSensitiveHidden(bool hidden);
    void markFocusedButton(QPushButton* button, bool focused);

    // Button actions.
    std::optional<ListingRecord> listingFromControls();
    void saveAsNew();
    void saveChange();
    void deleteListing();
    void openPhotos();
    void openCodes();
    void showFittingClients();
    void offerWaitingClients(const QString& number);

    QLineEdit* edit(const char* name) const;

    QString currentNumber_;
    LoadedPaymentDates loadedDates_;
    ListingRecord loaded_;  // the listing as this form read it from the store
    bool activated_ = false;
    QPointer<QWidget> enteredField_;
    QHash<QString, QLineEdit*> edits_;

    QComboBox* CBexistList = nullptr;
    QLineEdit* EDname = nullptr;
    QLineEdit* EDhtel = nullptr;
    QLineEdit* EDaddr = nullptr;
    QLineEdit* EDaddr1 = nullptr;
    QComboBox* CBim = nullptr;
    QComboBox* CBcname = nullptr;
    QPushButton* BTzip = nullptr;
    QPlainTextEdit* Memo1 = nullptr;
    QPlainTextEdit* Memo2 = nullptr;
    QFrame* Panel1 = nullptr;
    QRadioButton* RBview = nullptr;
    QRadioButton* RBhide = nullptr;
    QCheckBox* CKBreqing = nullptr;
    QCheckBox* CKBkwanggo = nullptr;
    QFrame* Panel2 = nullptr;
    QFrame* ShapeBT = nullptr;
    QPushButton* BTinp = nullptr;
    QPushButton* BTmod = nullptr;
    QPushButton* BTdel = nullptr;
    QPushButton* BTquit = nullptr;
    QPushButton* BTcode = nullptr;
    QPushButton* BTpictInp = nullptr;
    QPushButton* BTclients = nullptr;  // "손님?": the clients this listing fits
    QStatusBar* StatusBar1 = nullptr;
    QLabel* statusPanel0_ = nullptr;
    QLabel* statusPanel1_ = nullptr;
};
