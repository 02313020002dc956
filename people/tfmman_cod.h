#pragma once

#include "common/task_form.h"
#include "people/person_codes.h"

class QFrame;
class QLabel;
class QLineEdit;
class QListWidget;
class QListWidgetItem;
class QPushButton;
class QRadioButton;

// The event-type code form "행사형태 Code 관리": adds and deletes the person
// codes of MANCODE.DB in their four categories (relation, business type,
// product kind, group). Opened modally with no values; the caller reloads
// the person code lists afterwards. A code that some Person holds cannot be
// deleted; a code is never renamed.
class TFMman_cod : public TaskForm {
    Q_OBJECT
public:
    explicit TFMman_cod(QWidget* parent = nullptr);
    ~TFMman_cod() override;

    // Work done when the form becomes active: the relation codes.
    void formActivate();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void buildControls();
    void placeControls();
    void connectControls();

    PersonCodeCategory currentCategory() const;
    void categoryClicked(QRadioButton* button);
    void loadList();
    void showCount();
    void listClicked();
    void focusMoved(QWidget* to);
    bool hasUnaddedCode() const;

    void addCode();
    void deleteCode();

    PersonCodeCatalogue catalogue_;
    bool activated_ = false;
    QMetaObject::Connection focusWatch_;

    QFrame* PNcategory = nullptr;
    QRadioButton* RBgubun = nullptr;
    QRadioButton* RBcompart = nullptr;
    QRadioButton* RBcargubun = nullptr;
    QRadioButton* RBgroup = nullptr;
    QLabel* LBgubun = nullptr;
    QLineEdit* EDcode = nullptr;
    QPushButton* BTinp = nullptr;
    QLabel* LBlistTitle = nullptr;
    QLabel* LBreccount = nullptr;
    QListWidget* ListBox1 = nullptr;
    QPushButton* BTdel = nullptr;
    QPushButton* BTquit = nullptr;
    QLabel* PNmsg = nullptr;
};
