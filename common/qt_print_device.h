#pragma once

#include "common/print_device.h"

#include <QFont>
#include <QHash>
#include <QPageLayout>
#include <QPainter>

#include <memory>
#include <optional>

class QPrinter;

// Draws on a QPrinter: a real printer through CUPS, a PDF file, or the
// printer of a preview window.
class QtPrintDevice : public PrintDevice {
public:
    // The device does not own the printer.
    explicit QtPrintDevice(QPrinter* printer, bool preview = false);
    ~QtPrintDevice() override;

    int dpiX() const override;
    int dpiY() const override;
    QSize printableSize() const override;
    QPoint printingOffset() const override;
    QSize physicalPageSize() const override;

    Orientation orientation() const override;
    void setOrientation(Orientation orientation) override;
    void setJobTitle(const QString& title) override;
    QString jobTitle() const override;

    void beginJob() override;
    void endJob() override;
    void newPage() override;
    bool jobActive() const override;
    bool isPreview() const override { return preview_; }

    FontSpec font() const override { return font_; }
    void setFont(const FontSpec& font) override;
    int fontHeight() const override;
    int textWidth(const QString& text) const override;
    void setTextColor(const QColor& color) override;
    void setTextBackground(const QColor& color) override;

    void setPenWidth(int dots) override;
    void drawLine(QPoint from, QPoint to) override;
    void drawRect(QPoint corner1, QPoint corner2) override;
    void fillRect(QPoint corner1, QPoint corner2, const QColor& color) override;
    void drawText(QPoint topLeft, const QString& text) override;
    void drawImage(QPoint corner1, QPoint corner2, const QImage& image) override;

    // The page layout the job's pages were drawn on; none before a job began.
    std::optional<QPageLayout> jobLayout() const { return jobLayout_; }

private:
    QFont qtFont() const;
    void applyPen();

    QPrinter* printer_;
    bool preview_;
    std::unique_ptr<QPainter> painter_;
    FontSpec font_{QStringLiteral("굴림체"), 10};
    QColor textColor_{Qt::black};
    QColor textBackground_{Qt::white};
    int penWidth_ = 1;
    std::optional<QPageLayout> jobLayout_;
    mutable QHash<QString, QFont> fontCache_;
};
