#pragma once

#include "common/task_form.h"
#include "data/query.h"
#include "listings/code_catalogue.h"


class QFrame;
class QLabel;
class QLineEdit;
class QListWidget;
class QListWidgetItem;
class QProgressBar;
class QPushButton;
class QRadioButton;

// The classification-code form "사용되는 각종 분류별  Code  관리": adds, changes
// and deletes the codes of BUCODE.DB. Opened modally with no values; callers
// refill their drop-down lists afterwards.
//
// A changed code is carried into the listings and requests that use it, with
// the progress panel PNgage showing meanwhile; a code still in use cannot be
// deleted.
class TFMbu_cod : public TaskForm {
    Q_OBJECT
public:
    explicit TFMbu_cod(QWidget* parent = nullptr);
    ~TFMbu_cod() override;

    // Work done when the form becomes active: the list of lease kinds.
    void formActivate();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void buildControls();
    void placeControls();
    void connectControls();

    CodeCategory currentCategory() const;
    void categoryClicked(QRadioButton* button);
    void loadList();
    QListWidgetItem* selectedCode() const;
    void selectNothing();
    void showCount();
    void showCategoryMessage();
    void listClicked();
    void focusMoved(QWidget* from, QWidget* to);
    void showProgress(const CascadeStep& step);

    void addCode();
    void changeCode();
    void deleteCode();

    CodeCatalogue catalogue_;
    bool activated_ = false;
    QMetaObject::Connection focusWatch_;

    QFrame* PNcategory = nullptr;
    QRadioButton* RBim = nullptr;
    QRadioButton* RBma = nullptr;
    QRadioButton* RBworking = nullptr;
    QLabel* LBgubun = nullptr;
    QLineEdit* EDcode = nullptr;
    QPushButton* BTinp = nullptr;
    QPushButton* BTmodify = nullptr;
    QLabel* LBlistTitle = nullptr;
    QLabel* LBreccount = nullptr;
    QListWidget* ListBox1 = nullptr;
    QPushButton* BTdel = nullptr;
    QPushButton* BTquit = nullptr;
    QLabel* PNmsg = nullptr;
    QFrame* PNgage = nullptr;
    QProgressBar* Gauge1 = nullptr;
    Query QRsrc;  // the in-use check of a code to be deleted
};
