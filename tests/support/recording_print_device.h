#pragma once

#include "common/print_device.h"

#include <QList>
#include <QString>
#include <QVariant>

// A print device for tests: fixed resolution, fixed font metrics, and a log of
// every drawing call, so that printed geometry can be asserted exactly.
//
// Font metrics: a character cell is pointsToDots(size, dpiY) high; a text is
// (cell height / 2) wide per CP949 byte, so "W" is half a cell wide and a
// Hangul syllable a whole cell.
class RecordingPrintDevice : public PrintDevice {
public:
    struct Op {
        enum Kind {
            Begin,
            End,
            NewPage,
            Line,
            Rect,
            Text,
            Image,
            PenWidth,
            Font,
            Color,
            Orient,
            Title,
            Fill,
            TextBackground
        };
        explicit Op(Kind k = Begin, QPoint from = {}, QPoint to = {}) : kind(k), a(from), b(to) {}
        Kind kind;
        QPoint a;
        QPoint b;
        QString text;
        FontSpec font;
        int pen = 0;
        int page = 0;
    };

    explicit RecordingPrintDevice(int dpi = 600, bool preview = false);

    int dpiX() const override { return dpi_; }
    int dpiY() const override { return dpi_; }
    QSize printableSize() const override;
    QPoint printingOffset() const override { return offset_; }
    QSize physicalPageSize() const override;
    void setPrintingOffset(QPoint offset) { offset_ = offset; }

    Orientation orientation() const override { return orientation_; }
    void setOrientation(Orientation orientation) override;
    void setJobTitle(const QString& title) override;
    QString jobTitle() const override { return title_; }

    void beginJob() override;
    void endJob() override;
    void newPage() override;
    bool jobActive() const override { return active_; }
    bool isPreview() const override { return preview_; }

    FontSpec font() const override { return font_; }
    void setFont(const FontSpec& font) override;
    int fontHeight() const override;
    int textWidth(const QString& text) const override;
    void setTextColor(const QColor& color) override;
    QColor textColor() const { return textColor_; }
    void setTextBackground(const QColor& color) override;

    void setPenWidth(int dots) override;
    int penWidth() const { return pen_; }
    void drawLine(QPoint from, QPoint to) override;
    void drawRect(QPoint corner1, QPoint corner2) override;
    // Recorded as Fill with the colour's name as its text.
    void fillRect(QPoint corner1, QPoint corner2, const QColor& color) override;
    void drawText(QPoint topLeft, const QString& text) override;
    void drawImage(QPoint corner1, QPoint corner2, const QImage& image) override;

    // Makes the next drawing call throw, to test clean-up after a failure.
    void failOnNextDraw() { failNext_ = true; }

    const QList<Op>& ops() const { return ops_; }
    QList<Op> ops(Op::Kind kind) const;
    QList<Op> opsOnPage(Op::Kind kind, int page) const;
    int pageCount() const { return page_; }
    int jobsBegun() const { return jobsBegun_; }
    int jobsEnded() const { return jobsEnded_; }
    // The texts drawn, in order.
    QStringList texts() const;
    // The first text op whose text equals `text`; kind Begin when none.
    Op findText(const QString& text) const;

private:
    void record(Op op);
    void checkFail();

    int dpi_;
    bool preview_;
    QPoint offset_{0, 0};
    Orientation orientation_ = Orientation::Portrait;
    QString title_;
    bool active_ = false;
    int page_ = 0;
    int jobsBegun_ = 0;
    int jobsEnded_ = 0;
    FontSpec font_{QStringLiteral("굴림체"), 10};
    QColor textColor_{Qt::black};
    int pen_ = 1;
    bool failNext_ = false;
    QList<Op> ops_;
};
