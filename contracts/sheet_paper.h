#pragma once

#include <QLine>
#include <QList>
#include <QRect>
#include <QWidget>

class QLabel;

// A document shown as a sheet of paper: the fixed wording as labels at their
// places, the ruling drawn under them, and the entry fields (placed by the
// form) in the blanks.
class SheetPaper : public QWidget {
    Q_OBJECT
public:
    explicit SheetPaper(QWidget* parent = nullptr);

    // Wording whose left edge is at x, centred on a row of the sheet whose
    // top is y; `width` 0 takes the text's own width.
    QLabel* text(const QString& wording, int x, int y, int width = 0,
                 Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter);
    // A title, bold and larger, centred across the sheet.
    QLabel* title(const QString& wording, int y);
    // Ruling: a box and a line.
    void box(const QRect& rect, int width = 1);
    void line(const QLine& line, int width = 1);

    static constexpr int kRowHeight = 22;
    static constexpr int kFieldHeight = 20;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    struct Rule {
        QLine line;
        QRect rect;
        int width;
    };
    QList<Rule> rules_;
};
