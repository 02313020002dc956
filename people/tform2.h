#pragma once

#include "common/task_form.h"
#include "people/label_geometry.h"
#include "people/label_print.h"

#include <QColor>
#include <QLabel>

#include <functional>
#include <optional>
#include <vector>

class QCheckBox;
class QComboBox;
class QFrame;
class QLineEdit;
class QPushButton;
class QScrollArea;
class QSpinBox;
class QToolButton;
class TFMsizeset;

// One text on the enlarged label: its number in the label's list (from 1),
// whether it is being dragged and its colour before it was highlighted.
class ItemLabel : public QLabel {
    Q_OBJECT
public:
    ItemLabel(int number, const QString& text, QWidget* parent);
    int number() const { return number_; }
    bool dragging = false;
    QColor savedColor;

private:
    int number_;
};

// The label screen "Label Print": one label enlarged, on which the postal
// code, the address lines, department, position, name, honorific and the
// user's own texts are arranged by dragging; then one label per Person of
// the mail-out table is printed, row by row from the chosen start, or
// shown page by page in the preview.
class TForm2 : public TaskForm {
    Q_OBJECT
public:
    explicit TForm2(QWidget* parent = nullptr);

    // Reads the sheet settings (writing the defaults when there are none)
    // and the mail-out table, and lays out the seven role items.
    void formActivate();

    const LabelGeometry& geometry() const { return geometry_; }
    // The items as printing sees them, in their order.
    std::vector<LabelItem> labelItems() const;
    const std::vector<LabelAddress>& addresses() const { return addresses_; }
    // Number of the current item; 0 when none.
    int currentItem() const { return current_; }
    ItemLabel* item(int number) const;
    // Items pulled back inside the label.
    void pullItemsInside();

    // Opens the label form screen; tests put in their own handling.
    std::function<void(TFMsizeset& form)> runSizeForm;

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildControls();
    void buildPrintPanel();
    void placeControls();
    void connectControls();

    void sizeLabel();
    // At `at`, or placed by its number.
    ItemLabel* addItem(const QString& text, std::optional<QPoint> at);
    void selectItem(ItemLabel* item);
    void clearCurrent();
    void moveCurrent(int dx, int dy);
    void growFont(int points);
    void chooseFont();
    void deleteCurrent();
    void textEdited(const QString& text);
    void textEntered();
    void openSizeForm();

    void itemPressed(ItemLabel* item, QMouseEvent* event);
    void itemMoved(ItemLabel* item, QMouseEvent* event);
    void itemReleased(ItemLabel* item);

    void showPrintPanel();
    LabelRun labelRun() const;
    void printRun();
    void previewRun();
    void focusMoved(QWidget* to);

    LabelGeometry geometry_;
    std::vector<ItemLabel*> items_;
    std::vector<LabelAddress> addresses_;
    int current_ = 0;
    QPoint grasp_;
    bool activated_ = false;
    QMetaObject::Connection focusWatch_;

public:
    ~TForm2() override;

private:
    QToolButton* BTleft = nullptr;
    QToolButton* BTright = nullptr;
    QToolButton* BTup = nullptr;
    QToolButton* BTdown = nullptr;
    QToolButton* BTfontUp = nullptr;
    QToolButton* BTfontDown = nullptr;
    QToolButton* BTfontSet = nullptr;
    QToolButton* BTdelete = nullptr;
    QComboBox* CBfontSize = nullptr;
    QPushButton* BTformSet = nullptr;
    QPushButton* BTprint = nullptr;
    QPushButton* BTquit = nullptr;
    QScrollArea* ScrollBox1 = nullptr;
    QFrame* Panel1 = nullptr;
    QFrame* DragFrame = nullptr;
    QLineEdit* EDcurLabel = nullptr;
    QLabel* LBmsg = nullptr;

    QFrame* PNprt = nullptr;
    QSpinBox* EDstartRow = nullptr;
    QSpinBox* EDstartCol = nullptr;
    QCheckBox* CKBoutlinedraw = nullptr;
    QPushButton* BTpnprtOK = nullptr;
    QPushButton* BTpnprtpreview = nullptr;
    QPushButton* BTpnprtsetup = nullptr;
    QPushButton* BTpnprtquit = nullptr;
};

// Where an item of `size` at `at` lands when pulled back inside a label of
// `label` pixels: right edge at most width − 3 and bottom edge at most
// height − 4, then left and top at least 1.
QPoint pulledInside(QPoint at, QSize size, QSize label);
