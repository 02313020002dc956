#pragma once

#include "clients/client_record.h"
#include "common/task_form.h"

#include <QHash>
#include <QPointer>

#include <optional>

class QComboBox;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

// The client request entry form "부동산  매입/매도/대여  희망자  입력/수정/삭제":
// records, changes, deletes or shows one client request of BUREQU.DB.
//
// The opener sets `entryMode` (1 new, 2 change or delete, 4 view) and, for
// modes 2 and 4, the request's `scancode`, then calls exec(). A request
// that no longer exists closes the form at once.
class TFMbur_imd : public TaskForm {
    Q_OBJECT
public:
    explicit TFMbur_imd(QWidget* parent = nullptr);
    ~TFMbur_imd() override;

    int entryMode = 1;
    QString scancode;

    // The key of the request the form saved last (a new one's, or the
    // handed one); empty until then.
    QString savedNumber() const { return savedNumber_; }

    // Prepares the form for its mode and loads the request. Runs once, on
    // the first show: returning from the code form refills the lists but
    // never loads the request over what was typed.
    void formActivate();

    QLineEdit* EDname = nullptr;
    QComboBox* CBworking = nullptr;
    QComboBox* CBim = nullptr;
    QComboBox* CBcname = nullptr;
    QLineEdit* EDwantcom = nullptr;
    QLineEdit* EDhtel = nullptr;
    QLineEdit* EDaddr = nullptr;
    QLineEdit* EDpipi = nullptr;
    QLineEdit* EDhphone = nullptr;
    QLineEdit* EDfax = nullptr;
    QLineEdit* EDdpungl = nullptr;
    QLineEdit* EDdpungu = nullptr;
    QLineEdit* EDgpungl = nullptr;
    QLineEdit* EDgpungu = nullptr;
    QLineEdit* EDyesan = nullptr;
    QLineEdit* EDinday = nullptr;
    QPlainTextEdit* Memo1 = nullptr;
    QPushButton* BTinp = nullptr;
    QPushButton* BTmod = nullptr;
    QPushButton* BTdel = nullptr;
    QPushButton* BTquit = nullptr;
    QPushButton* BTcode = nullptr;

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Building (tfmbur_imd_layout.cpp).
    void buildForm();
    void buildFields();
    void buildButtons();
    void setTabOrder();
    void connectControls();
    void installFieldHandling();

    void activate();
    bool loadHandedInClient();
    void showClient(const StoredClient& stored);
    void fillCodeLists();
    void refillCodeListsKeepingChoices();
    void closeSoon();

    bool isNumberField(const QLineEdit* field) const;
    void enterNumberField(QLineEdit* field);
    void leaveField(QLineEdit* field);

    std::optional<ClientRecord> clientFromControls();
    void saveAsNew();
    void saveChange();
    void deleteRequest();
    void openCodes();

    QHash<QString, QLineEdit*> edits_;
    QPointer<QLineEdit> enteredField_;
    QString savedNumber_;
    StoredClient loaded_;  // the request as this form read it from the store
    bool activated_ = false;
};
