#include "app/status_panels.h"

#include <QLabel>
#include <QResizeEvent>

#include <algorithm>

std::array<int, 3> statusPanelWidths(int total) {
    const auto& wanted = StatusPanels::kWidths;
    int missing = std::max(0, wanted[0] + wanted[1] + wanted[2] - total);
    const int second = std::max(0, wanted[1] - missing);
    missing -= wanted[1] - second;
    const int first = std::max(0, wanted[0] - missing);
    return {first, second, std::max(0, total - first - second)};
}

StatusPanels::StatusPanels(QWidget* parent) : QWidget(parent) {
    for (size_t i = 0; i < panels_.size(); ++i) {
        auto* label = new QLabel(this);
        label->setObjectName(QStringLiteral("StatusPanel%1").arg(i));
        label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        label->setIndent(4);
        label->setTextFormat(Qt::PlainText);
        panels_[i] = label;
    }
}

QString StatusPanels::text(int panel) const {
    return this->panel(panel)->text();
}

void StatusPanels::setText(int panel, const QString& text) {
    this->panel(panel)->setText(text);
}

QSize StatusPanels::sizeHint() const {
    return {kWidths[0] + kWidths[1] + kWidths[2], panels_[0]->sizeHint().height()};
}

QSize StatusPanels::minimumSizeHint() const {
    return {kWidths[2], panels_[0]->sizeHint().height()};
}

void StatusPanels::resizeEvent(QResizeEvent* event) {
    const auto widths = statusPanelWidths(event->size().width());
    int left = 0;
    for (size_t i = 0; i < panels_.size(); ++i) {
        panels_[i]->setGeometry(left, 0, widths[i], event->size().height());
        left += widths[i];
    }
    QWidget::resizeEvent(event);
}
