#pragma once

#include "common/record_navigator.h"
#include "common/task_form.h"
#include "contracts/document_profile.h"
#include "contracts/document_row.h"
#include "data/table.h"

#include <QHash>
#include <QPointer>

class FeePanel;
class QCheckBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QScrollArea;
class QStatusBar;
class SheetPaper;

// The frame of the three document forms (sale contract, lease contract,
// explanation sheet): the document as a sheet of paper with a field in every
// blank, the modes the form is opened in, its buttons, messages and status
// texts, the amount fields, and printing through the document's layout.
//
// The opener sets the mode text in LBscancode before showing the form:
//   ""          browse the stored documents (from the main window);
//   "New"       a new document (the contract search's 등록);
//   "Dtl"       the document whose key is `documentKey`, or when no key is
//               given the first whose address equals LBsojaji;
//   a listing   a new document filled from the listing with that number.
class ContractForm : public TaskForm {
    Q_OBJECT
public:
    ~ContractForm() override;

    QLabel* LBscancode = nullptr;  // hidden: the mode text
    QLabel* LBsojaji = nullptr;    // hidden: the address for "Dtl"
    qint64 documentKey = 0;        // the key for "Dtl"; 0 looks up LBsojaji

    const DocumentProfile& profile() const { return profile_; }

    // Opens the document table and acts by the mode; runs once, when the form
    // is first shown (never again after a message box or a child form).
    void formActivate();

    // The key of the stored contract the form shows; 0 when it shows none.
    qint64 storedKey() const;

    // Whether what is on the form differs from what is stored.
    bool hasUnsavedChanges() const;
    // The document as the printer sees it: every field of the table, with
    // what the form shows.
    DocumentRow documentRow() const;

    void reject() override;

protected:
    ContractForm(const DocumentProfile& profile, QWidget* parent);

    // Building the sheet (the document forms call these from their
    // constructors, then finishSheet()).
    SheetPaper* startSheet(int width);
    QLineEdit* addField(const QString& name, int x, int y, int width);
    QPlainTextEdit* addMemo(const QString& name, const QRect& geometry);
    void finishSheet(int height);

    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    enum class Mode { Browse, New, Detail, Listing };

    // Building the frame (contract_form_layout.cpp).
    void buildFrame();
    QPushButton* addButton(const char* name, const QString& caption, const QString& hint);
    void connectControls();

    // Modes and rows (contract_form.cpp).
    Mode mode() const;
    void activate();
    void openNew();
    void openDetail();
    void openBrowse();
    void openFromListing();
    bool findHandedDocument();
    void startNewRow();
    // The office's details into the broker fields (with `intoEmptyOnly`, only
    // into those that are empty).
    void copyOfficeDetails(bool intoEmptyOnly = false);
    void showStoredRow();
    void showValues(const QHash<QString, QString>& values);
    void setStatusCount();
    void followCurrentRow();
    void setBrowseCaption();
    void showNewDocumentStatus();
    bool hasCurrentRow() const;
    bool confirmLeavingChanges(const QString& question);
    void moveTo(RecordNavigator::Move move);
    void closeSoon();
    QString documentWord() const;
    bool hasStoredRow() const { return table_.isOpen() && table_.recordCount() > 0; }
    bool hasContent() const;

    // Button actions.
    void saveDocument();
    bool storeRow();
    bool writeRow();
    bool settleChangeElsewhere();
    void deleteDocument();
    void newDocument();
    void printDocument();
    void editOfficeDetails();

    // Field behaviour (contract_form_fields.cpp).
    void fieldEdited();
    void enterField(QWidget* field);
    void leaveField(QWidget* field);
    void leaveAmountField(QLineEdit* field);
    void leaveAreaField(QLineEdit* field, const DocumentField& area);
    void highlight(QWidget* field, bool on);
    QString storedText(const QString& name) const;
    void setShownText(const QString& name, const QString& stored);
    void showFee();

    const DocumentProfile& profile_;
    Table table_;
    bool activated_ = false;
    bool inserting_ = false;  // the row on the form is new, not yet stored
    bool editing_ = false;    // the stored row on the form is being changed
    bool confirmedClose_ = false;
    QHash<QString, QString> loaded_;    // what was stored, by lower-case field name
    QHash<QString, QLineEdit*> edits_;  // by lower-case field name
    QPlainTextEdit* memo_ = nullptr;
    QString memoName_;
    QPointer<QWidget> enteredField_;
    QString enteredText_;

    QLabel* LBstatus = nullptr;
    QLabel* LBtitle = nullptr;
    QCheckBox* CKB3print = nullptr;
    QScrollArea* ScrollBox1 = nullptr;
    SheetPaper* paper_ = nullptr;
    FeePanel* fee_ = nullptr;
    QPushButton* BTmod = nullptr;
    QPushButton* BTdel = nullptr;
    QPushButton* BTnew = nullptr;
    RecordNavigator* DBNavigator1 = nullptr;
    QPushButton* BTprint = nullptr;
    QPushButton* BTmy = nullptr;
    QPushButton* BTquit = nullptr;
    QStatusBar* StatusBar1 = nullptr;
};
