#pragma once

#include "common/task_form.h"
#include "people/label_geometry.h"

#include <QFrame>

#include <functional>

class QComboBox;
class QLineEdit;
class QPushButton;
class QSpinBox;
class SheetDrawing;

// The label form screen "라벨폼 설정": the sheet's paper, margins, gaps, rows
// and columns, the label size that follows from them, and a drawing of the
// sheet. The opener sets `geometry` and reads it back afterwards (every
// change is kept there; "저 장" also writes it to Lablo.ini). A preset fills
// the fields for a common A4 label sheet; "맞춤 인쇄" prints the label
// outlines on one sheet, to hold over a label sheet against the light.
class TFMsizeset : public TaskForm {
    Q_OBJECT
public:
    explicit TFMsizeset(QWidget* parent = nullptr);

    LabelGeometry geometry;

    // Puts `geometry` into the fields and draws the sheet.
    void formActivate();

    // Opens the printer settings form; tests put in their own handling.
    std::function<void(QWidget* parent)> openPrinterSettings;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void buildControls();
    void placeControls();
    void showGeometry();
    void fieldsChanged();
    void showResults();
    void presetChosen(int index);
    void save();
    void printerSettings();
    void printAlignment();

    bool activated_ = false;
    bool filling_ = false;

    QSpinBox* EDleftMargin = nullptr;
    QSpinBox* EDrightMargin = nullptr;
    QSpinBox* EDtopMargin = nullptr;
    QSpinBox* EDbottomMargin = nullptr;
    QSpinBox* EDhterm = nullptr;
    QSpinBox* EDvterm = nullptr;
    QSpinBox* EDcolcount = nullptr;
    QSpinBox* EDrowCount = nullptr;
    QSpinBox* EDhorizontalL = nullptr;
    QSpinBox* EDverticalL = nullptr;
    QLineEdit* EDxLength = nullptr;
    QLineEdit* EDyLength = nullptr;
    QLineEdit* EDlm = nullptr;
    QLineEdit* EDrm = nullptr;
    QLineEdit* EDtm = nullptr;
    QLineEdit* EDbm = nullptr;
    QComboBox* CBpreset = nullptr;
    QPushButton* BTset = nullptr;
    QPushButton* BTprtset = nullptr;
    QPushButton* BTalign = nullptr;
    QPushButton* BTquit = nullptr;
    SheetDrawing* Bevel1 = nullptr;
};

// The drawing of the sheet at 1/DivScale: the paper and every label, with the
// paper's bottom-left corner 4 pixels in from the frame's left and bottom
// edges.
class SheetDrawing : public QFrame {
    Q_OBJECT
public:
    explicit SheetDrawing(QWidget* parent = nullptr);
    void setGeometryToDraw(const LabelGeometry& geometry);
    // Where the paper's top-left corner is drawn, in the frame.
    QPoint paperOrigin() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    LabelGeometry geometry_;
};
