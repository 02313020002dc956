#pragma once

#include <QColor>
#include <QImage>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>

// Everything printed is drawn on a PrintDevice. Coordinates are device dots
// measured from the top-left corner of the printable area, as on a printer
// canvas. QtPrintDevice draws on a QPrinter (a printer or a PDF file); the
// tests draw on a recording device that logs every call.
class PrintDevice {
public:
    enum class Orientation { Portrait, Landscape };

    struct FontSpec {
        QString name;
        int pointSize = 10;
        bool bold = false;
        bool italic = false;
        bool underline = false;
        bool operator==(const FontSpec&) const = default;
    };

    virtual ~PrintDevice() = default;

    virtual int dpiX() const = 0;
    virtual int dpiY() const = 0;
    // Size of the printable area in dots.
    virtual QSize printableSize() const = 0;
    // Offset of the printable area from the paper's top-left corner, in dots.
    virtual QPoint printingOffset() const = 0;
    // Size of the whole sheet in dots.
    virtual QSize physicalPageSize() const = 0;

    virtual Orientation orientation() const = 0;
    virtual void setOrientation(Orientation orientation) = 0;
    virtual void setJobTitle(const QString& title) = 0;
    virtual QString jobTitle() const = 0;

    virtual void beginJob() = 0;
    virtual void endJob() = 0;
    virtual void newPage() = 0;
    virtual bool jobActive() const = 0;
    // True when the job is drawn for a preview window rather than a printer.
    virtual bool isPreview() const { return false; }

    virtual FontSpec font() const = 0;
    virtual void setFont(const FontSpec& font) = 0;
    void setFontName(const QString& name);
    void setFontSize(int pointSize);
    // Height of a character cell of the current font, in dots: the point
    // size converted at the vertical resolution.
    virtual int fontHeight() const = 0;
    virtual int textWidth(const QString& text) const = 0;
    virtual void setTextColor(const QColor& color) = 0;
    // What lies behind drawn text: white by default; an invalid colour leaves
    // the text on whatever was drawn there (a coloured band).
    virtual void setTextBackground(const QColor& color) = 0;

    virtual void setPenWidth(int dots) = 0;
    virtual void drawLine(QPoint from, QPoint to) = 0;
    // A rectangle between two opposite corners, outlined with the current
    // pen and filled white.
    virtual void drawRect(QPoint corner1, QPoint corner2) = 0;
    // A rectangle between two opposite corners filled with `color`, without
    // an outline.
    virtual void fillRect(QPoint corner1, QPoint corner2, const QColor& color) = 0;
    // Text whose cell has its top-left corner at `topLeft`.
    virtual void drawText(QPoint topLeft, const QString& text) = 0;
    // The picture stretched into the rectangle between two opposite corners.
    virtual void drawImage(QPoint corner1, QPoint corner2, const QImage& image) = 0;
};

// The cell height in dots of a font of `pointSize` points at `dpi`, rounded
// as the printer driver does (MulDiv).
int pointsToDots(int pointSize, int dpi);
