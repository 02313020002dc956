#include "common/qt_print_device.h"

#include <QFontMetrics>
#include <QPageLayout>
#include <QPen>
#include <QPrinter>

#include <stdexcept>

QtPrintDevice::QtPrintDevice(QPrinter* printer, bool preview)
    : printer_(printer), preview_(preview) {}

QtPrintDevice::~QtPrintDevice() {
    if (painter_ && painter_->isActive()) painter_->end();
}

int QtPrintDevice::dpiX() const {
    return printer_->logicalDpiX();
}
int QtPrintDevice::dpiY() const {
    return printer_->logicalDpiY();
}

QSize QtPrintDevice::printableSize() const {
    return printer_->pageLayout().paintRectPixels(printer_->resolution()).size();
}

QPoint QtPrintDevice::printingOffset() const {
    return printer_->pageLayout().paintRectPixels(printer_->resolution()).topLeft();
}

QSize QtPrintDevice::physicalPageSize() const {
    return printer_->pageLayout().fullRectPixels(printer_->resolution()).size();
}

PrintDevice::Orientation QtPrintDevice::orientation() const {
    return printer_->pageLayout().orientation() == QPageLayout::Landscape ? Orientation::Landscape
                                                                          : Orientation::Portrait;
}

void QtPrintDevice::setOrientation(Orientation orientation) {
    // A page already begun keeps its orientation; the change applies to the
    // next job.
    if (jobActive()) return;
    printer_->setPageOrientation(orientation == Orientation::Landscape ? QPageLayout::Landscape
                                                                       : QPageLayout::Portrait);
}

void QtPrintDevice::setJobTitle(const QString& title) {
    printer_->setDocName(title);
}
QString QtPrintDevice::jobTitle() const {
    return printer_->docName();
}

void QtPrintDevice::beginJob() {
    painter_ = std::make_unique<QPainter>();
    if (!painter_->begin(printer_)) {
        painter_.reset();
        throw std::runtime_error("프린터를 시작할 수 없습니다. 프린터 설정을 확인하세요.");
    }
    jobLayout_ = printer_->pageLayout();
    painter_->setBackgroundMode(Qt::OpaqueMode);
    painter_->setBackground(Qt::white);
    painter_->setBrush(Qt::white);
    applyPen();
    painter_->setFont(qtFont());
}

void QtPrintDevice::endJob() {
    const bool wasActive = jobActive();
    const bool ended = wasActive && painter_->end();
    painter_.reset();
    // A job the printer system did not take is a failure, never a printed list.
    if (wasActive && (!ended || printer_->printerState() == QPrinter::Error ||
                      printer_->printerState() == QPrinter::Aborted)) {
        throw std::runtime_error("인쇄를 마치지 못했습니다. 프린터를 확인하세요.");
    }
}

void QtPrintDevice::newPage() {
    if (!printer_->newPage()) throw std::runtime_error("새 페이지를 시작할 수 없습니다.");
}

bool QtPrintDevice::jobActive() const {
    return painter_ && painter_->isActive();
}

void QtPrintDevice::setFont(const FontSpec& font) {
    font_ = font;
    if (jobActive()) painter_->setFont(qtFont());
}

int QtPrintDevice::fontHeight() const {
    return pointsToDots(font_.pointSize, dpiY());
}

// Printer fonts are chosen by cell height (ascent plus descent), so the Qt
// font's pixel size is scaled until its cell matches the wanted height.
QFont QtPrintDevice::qtFont() const {
    const QString key = QStringLiteral("%1|%2|%3%4%5|%6")
                            .arg(font_.name)
                            .arg(font_.pointSize)
                            .arg(font_.bold)
                            .arg(font_.italic)
                            .arg(font_.underline)
                            .arg(dpiY());
    auto cached = fontCache_.constFind(key);
    if (cached != fontCache_.constEnd()) return *cached;

    QFont qfont(font_.name);
    qfont.setBold(font_.bold);
    qfont.setItalic(font_.italic);
    qfont.setUnderline(font_.underline);
    const int cell = std::max(1, fontHeight());
    qfont.setPixelSize(cell);
    const int measured = QFontMetrics(qfont, printer_).height();
    if (measured > 0 && measured != cell) {
        qfont.setPixelSize(std::max(1, cell * cell / measured));
    }
    fontCache_.insert(key, qfont);
    return qfont;
}

int QtPrintDevice::textWidth(const QString& text) const {
    return QFontMetrics(qtFont(), printer_).horizontalAdvance(text);
}

void QtPrintDevice::setTextColor(const QColor& color) {
    textColor_ = color;
}

void QtPrintDevice::setTextBackground(const QColor& color) { textBackground_ = color; }

void QtPrintDevice::setPenWidth(int dots) {
    penWidth_ = dots;
    if (jobActive()) applyPen();
}

void QtPrintDevice::applyPen() {
    QPen pen(Qt::black);
    pen.setWidth(std::max(1, penWidth_));
    painter_->setPen(pen);
}

void QtPrintDevice::drawLine(QPoint from, QPoint to) {
    if (!jobActive()) return;
    painter_->drawLine(from, to);
}

void QtPrintDevice::drawRect(QPoint corner1, QPoint corner2) {
    if (!jobActive()) return;
    painter_->setBrush(Qt::white);
    painter_->drawRect(QRect(corner1, corner2).normalized().adjusted(0, 0, -1, -1));
}

void QtPrintDevice::fillRect(QPoint corner1, QPoint corner2, const QColor& color) {
    if (!jobActive()) return;
    painter_->fillRect(QRect(corner1, corner2).normalized().adjusted(0, 0, -1, -1), color);
}

void QtPrintDevice::drawText(QPoint topLeft, const QString& text) {
    if (!jobActive()) return;
    painter_->save();
    painter_->setPen(textColor_);
    if (textBackground_.isValid()) {
        painter_->setBackground(textBackground_);
    } else {
        painter_->setBackgroundMode(Qt::TransparentMode);
    }
    const QFontMetrics metrics(painter_->font(), printer_);
    painter_->drawText(QPoint(topLeft.x(), topLeft.y() + metrics.ascent()), text);
    painter_->restore();
}

void QtPrintDevice::drawImage(QPoint corner1, QPoint corner2, const QImage& image) {
    if (!jobActive() || image.isNull()) return;
    painter_->drawImage(QRect(corner1, corner2).normalized(), image);
}
