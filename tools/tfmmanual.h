#pragma once

#include "common/task_form.h"

class QLabel;
class QLineEdit;
class QPushButton;
class QTextBrowser;
class QTreeWidget;
class QTreeWidgetItem;

// The manual "설명서": the user manual that comes with the program, shown
// with its contents (the headings, a click goes there) and a search.
class TFMmanual : public TaskForm {
    Q_OBJECT
public:
    explicit TFMmanual(QWidget* parent = nullptr);
    ~TFMmanual() override;

    // Finds the search text after the cursor, from the top again after the
    // end. False when the manual does not hold it.
    bool findNext();

    QTreeWidget* TVcontents = nullptr;
    QTextBrowser* TBmanual = nullptr;
    QLineEdit* EDsearch = nullptr;
    QPushButton* BTsearch = nullptr;
    QPushButton* BTquit = nullptr;
    QLabel* LBmsg = nullptr;

private:
    void buildContents();
    void fitPictures();
    void goToHeading(QTreeWidgetItem* item);
};

// Where the manual lies among the built-in resources.
QString manualSource();
