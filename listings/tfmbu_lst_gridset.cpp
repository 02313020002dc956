// The column settings panel "표시항목 설정" of the listing list: a check box
// and a width field for each field of the grid, written to GridSet.ini when
// the panel is closed.

#include "listings/tfmbu_lst.h"

#include "common/dialogs.h"
#include "common/input_checks.h"
#include "common/grid_settings.h"
#include "listings/listing_columns.h"

#include <QCheckBox>
#include <QFrame>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>

namespace {
// The panel's grid: rows 14 apart from the top 31, ten rows to a column,
// columns 145 apart; the check box at 20 and the width field at 125 in
// each column.
constexpr int kTop = 31;
constexpr int kRowStep = 14;
constexpr int kRowsPerColumn = 10;
constexpr int kColumnStep = 145;
constexpr int kBoxLeft = 20;
constexpr int kWidthLeft = 125;
constexpr int kFieldHeight = 16;
constexpr int kWidthFieldWidth = 30;

QPoint cellOf(int field) {
    return {kColumnStep * (field / kRowsPerColumn), kTop + kRowStep * (field % kRowsPerColumn)};
}
}  // namespace

void TFMbu_lst::openGridSettings() {
    QFont small = PNgridSet->font();
    small.setPixelSize(11);
    for (int i = 0; i < kListingGridFieldCount; ++i) {
        const FieldDef& field = QRbudong.field(i);
        const QPoint cell = cellOf(i);
        auto* box = new QCheckBox(field.displayLabel, PNgridSet);
        box->setObjectName(QStringLiteral("CKBgridSet%1").arg(i));
        box->setFont(small);
        box->setGeometry(cell.x() + kBoxLeft, cell.y(), kWidthLeft - kBoxLeft - 2, kFieldHeight);
        box->setChecked(field.visible);
        auto* width = new QLineEdit(QString::number(field.displayWidth), PNgridSet);
        width->setObjectName(QStringLiteral("EDgridSet%1").arg(i));
        width->setFont(small);
        width->setGeometry(cell.x() + kWidthLeft, cell.y(), kWidthFieldWidth, kFieldHeight);
        // 1 to 999 characters (common/column_width.h).
        width->setValidator(new QRegularExpressionValidator(
            QRegularExpression(QStringLiteral("[1-9][0-9]{0,2}")), width));
        connect(width, &QLineEdit::textChanged, this, [this, width] { widthFieldChanged(width); });
        box->show();
        width->show();
        gridSetBoxes_.append(box);
        gridSetWidths_.append(width);
    }
    placeOverlayPanels();
    PNgridSet->show();
    PNgridSet->raise();
    gridSetWidths_.first()->setFocus();
    BTgridSet->setEnabled(false);
    BTquit->setEnabled(false);
}

void TFMbu_lst::widthFieldChanged(QLineEdit* field) {
    // An emptied width becomes 2, selected so that the next digit replaces it.
    if (field->text().isEmpty()) {
        field->setText(QStringLiteral("2"));
        field->selectAll();
        return;
    }
    checkWholeNumber(field);
}

void TFMbu_lst::closeGridSettings() {
    PNgridSet->hide();
    GridSettings settings;
    for (qsizetype i = 0; i < gridSetBoxes_.size(); ++i) {
        settings.visible += gridSetBoxes_[i] && gridSetBoxes_[i]->isChecked() ? u'1' : u'0';
        settings.widths += (gridSetWidths_[i] ? gridSetWidths_[i]->text() : QString()) + u',';
    }
    qDeleteAll(gridSetBoxes_);
    qDeleteAll(gridSetWidths_);
    gridSetBoxes_.clear();
    gridSetWidths_.clear();
    const bool written = writeGridSettings(kListingGridSection, settings);
    BTgridSet->setEnabled(true);
    BTquit->setEnabled(true);
    applyGridSettings(QRbudong, settings);
    applyGridColumns();
    if (!written) {
        dialogs().information(QStringLiteral("표시항목 설정을 ") + gridSettingsPath() +
                              QStringLiteral(" 파일에 저장할 수 없습니다 ...!"));
    }
}
