#include "contracts/sheet_rows.h"

#include "contracts/sheet_paper.h"

#include <QLabel>

int SheetRows::text(const QString& wording, int x, int width) {
    const QLabel* label = paper_->text(wording, x, y_, width);
    return label->geometry().right() + 1;
}

void SheetRows::heading(const QString& wording) {
    QLabel* label = paper_->text(wording, 16, y_);
    QFont font = label->font();
    font.setBold(true);
    label->setFont(font);
    label->adjustSize();
    label->setFixedHeight(SheetPaper::kFieldHeight);
    next();
}

void SheetRows::line(const QString& wording, int x) {
    text(wording, x);
    next();
}
