#include "tests/support/recording_print_device.h"

#include "common/cp949.h"

#include <stdexcept>

namespace {
// A4 in millimetres.
constexpr double kA4WidthMm = 210.0;
constexpr double kA4HeightMm = 297.0;

int mmToDots(double mm, int dpi) { return static_cast<int>(mm / 25.4 * dpi + 0.5); }
}  // namespace

RecordingPrintDevice::RecordingPrintDevice(int dpi, bool preview) : dpi_(dpi), preview_(preview) {}

QSize RecordingPrintDevice::physicalPageSize() const {
    const QSize portrait(mmToDots(kA4WidthMm, dpi_), mmToDots(kA4HeightMm, dpi_));
    return orientation_ == Orientation::Portrait ? portrait : portrait.transposed();
}

QSize RecordingPrintDevice::printableSize() const {
    const QSize page = physicalPageSize();
    return QSize(page.width() - 2 * offset_.x(), page.height() - 2 * offset_.y());
}

void RecordingPrintDevice::setOrientation(Orientation orientation) {
    orientation_ = orientation;
    Op op{Op::Orient};
    op.pen = orientation == Orientation::Portrait ? 1 : 2;
    ops_.append(op);
}

void RecordingPrintDevice::setJobTitle(const QString& title) {
    title_ = title;
    Op op{Op::Title};
    op.text = title;
    ops_.append(op);
}

void RecordingPrintDevice::beginJob() {
    active_ = true;
    page_ = 1;
    ++jobsBegun_;
    record(Op{Op::Begin});
}

void RecordingPrintDevice::endJob() {
    record(Op{Op::End});
    if (active_) ++jobsEnded_;
    active_ = false;
}

void RecordingPrintDevice::newPage() {
    checkFail();
    ++page_;
    record(Op{Op::NewPage});
}

void RecordingPrintDevice::setFont(const FontSpec& font) {
    font_ = font;
    Op op{Op::Font};
    op.font = font;
    record(op);
}

int RecordingPrintDevice::fontHeight() const { return pointsToDots(font_.pointSize, dpi_); }

int RecordingPrintDevice::textWidth(const QString& text) const {
    return cp949ByteLength(text) * (fontHeight() / 2);
}

void RecordingPrintDevice::setTextColor(const QColor& color) {
    textColor_ = color;
    Op op{Op::Color};
    op.text = color.name();
    record(op);
}

void RecordingPrintDevice::setTextBackground(const QColor& color) {
    Op op{Op::TextBackground};
    op.text = color.isValid() ? color.name() : QString();
    record(op);
}

void RecordingPrintDevice::setPenWidth(int dots) {
    pen_ = dots;
    Op op{Op::PenWidth};
    op.pen = dots;
    record(op);
}

void RecordingPrintDevice::drawLine(QPoint from, QPoint to) {
    checkFail();
    Op op{Op::Line, from, to};
    op.pen = pen_;
    record(op);
}

void RecordingPrintDevice::drawRect(QPoint corner1, QPoint corner2) {
    checkFail();
    Op op{Op::Rect, corner1, corner2};
    op.pen = pen_;
    record(op);
}

void RecordingPrintDevice::fillRect(QPoint corner1, QPoint corner2, const QColor& color) {
    checkFail();
    Op op{Op::Fill, corner1, corner2};
    op.text = color.name();
    record(op);
}

void RecordingPrintDevice::drawText(QPoint topLeft, const QString& text) {
    checkFail();
    Op op{Op::Text, topLeft};
    op.text = text;
    op.font = font_;
    record(op);
}

void RecordingPrintDevice::drawImage(QPoint corner1, QPoint corner2, const QImage& image) {
    checkFail();
    Op op{Op::Image, corner1, corner2};
    op.text = QStringLiteral("%1x%2").arg(image.width()).arg(image.height());
    record(op);
}

void RecordingPrintDevice::record(Op op) {
    op.page = page_;
    ops_.append(op);
}

void RecordingPrintDevice::checkFail() {
    if (failNext_) {
        failNext_ = false;
        throw std::runtime_error("프린터 오류 (시험)");
    }
}

QList<RecordingPrintDevice::Op> RecordingPrintDevice::ops(Op::Kind kind) const {
    QList<Op> result;
    for (const Op& op : ops_) {
        if (op.kind == kind) result.append(op);
    }
    return result;
}

QList<RecordingPrintDevice::Op> RecordingPrintDevice::opsOnPage(Op::Kind kind, int page) const {
    QList<Op> result;
    for (const Op& op : ops_) {
        if (op.kind == kind && op.page == page) result.append(op);
    }
    return result;
}

QStringList RecordingPrintDevice::texts() const {
    QStringList result;
    for (const Op& op : ops_) {
        if (op.kind == Op::Text) result.append(op.text);
    }
    return result;
}

RecordingPrintDevice::Op RecordingPrintDevice::findText(const QString& text) const {
    for (const Op& op : ops_) {
        if (op.kind == Op::Text && op.text == text) return op;
    }
    return Op{Op::Begin};
}
