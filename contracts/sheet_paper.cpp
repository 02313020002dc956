#include "contracts/sheet_paper.h"

#include <QLabel>
#include <QPainter>
#include <QPen>

SheetPaper::SheetPaper(QWidget* parent) : QWidget(parent) {
    // White paper with black wording, whatever the surroundings.
    setBackgroundRole(QPalette::Base);
    setForegroundRole(QPalette::Text);
    setAutoFillBackground(true);
}

QLabel* SheetPaper::text(const QString& wording, int x, int y, int width, Qt::Alignment alignment) {
    auto* label = new QLabel(wording, this);
    label->setAlignment(alignment);
    const int w = width > 0 ? width : label->sizeHint().width();
    label->setGeometry(x, y + (kRowHeight - kFieldHeight) / 2, w, kFieldHeight);
    return label;
}

QLabel* SheetPaper::title(const QString& wording, int y) {
    auto* label = new QLabel(wording, this);
    QFont font = label->font();
    font.setBold(true);
    font.setPointSize(font.pointSize() + 7);
    label->setFont(font);
    label->setAlignment(Qt::AlignCenter);
    label->setGeometry(0, y, width(), label->sizeHint().height() + 6);
    return label;
}

void SheetPaper::box(const QRect& rect, int width) {
    rules_.append({QLine(), rect, width});
}

void SheetPaper::line(const QLine& line, int width) {
    rules_.append({line, QRect(), width});
}

void SheetPaper::paintEvent(QPaintEvent* event) {
    QWidget::paintEvent(event);
    QPainter painter(this);
    for (const Rule& rule : std::as_const(rules_)) {
        painter.setPen(QPen(Qt::black, rule.width));
        if (rule.rect.isNull()) {
            painter.drawLine(rule.line);
        } else {
            painter.drawRect(rule.rect);
        }
    }
}
