#include "listings/property_card_print.h"

#include "common/cp949.h"
#include "common/mm_scale.h"
#include "common/print_device.h"

#include <QRect>

#include <exception>

namespace {

class CardJob {
public:
    CardJob(PrintDevice& device, const PropertyCardText& card, const QImage& photo)
        : device_(device), card_(card), photo_(photo) {}

    void run() {
        device_.setOrientation(PrintDevice::Orientation::Portrait);
        scale_ = millimetreScale(device_);
        device_.setFontName(QStringLiteral("굴림체"));
        fitFont(device_, 10, scale_);
        device_.beginJob();
        const QSize page = device_.physicalPageSize();

        const QRect photo = propertyCardPhotoRectMm();
        const QPoint photoFrom = at(photo.x(), photo.y());
        const QPoint photoTo = at(photo.x() + photo.width(), photo.y() + photo.height());
        device_.drawRect(photoFrom, photoTo);
        const int titleWidth =
            cp949ByteLength(card_.title) * device_.textWidth(QStringLiteral("W"));
        device_.drawText({page.width() / 2 - titleWidth / 2, 10 * scale_.dy}, card_.title);
        if (!photo_.isNull())
            device_.drawImage(at(photo.left(), photo.top()),
                              at(photo.right() + 1, photo.bottom() + 1), photo_);

        fitFont(device_, 8, scale_);
        const std::pair<int, QString> left[] = {
            {150, QStringLiteral("소 재 지 : ") + card_.addr},
            {162, QStringLiteral("면    적 : ") + card_.dpung},
            {174, QStringLiteral("지    목 : ") + card_.duse},
            {186, QStringLiteral("용도지역 : ") + card_.youngdoJi},
            {198, QStringLiteral("용    도 : ") + card_.youngdo},
            {210, QStringLiteral("토지거래 : ") + card_.toji},
        };
        for (const auto& [y, text] : left)
            device_.drawText(at(10, y), text);
        device_.drawText(at(110, 162), QStringLiteral("평    당 : ") + card_.mpricepp);
        device_.drawText(at(110, 174), QStringLiteral("금    액 : ") + card_.tmprice);

        fitFont(device_, 5, scale_);
        const int bottom = device_.printableSize().height();
        for (qsizetype i = 0; i < card_.memo.size(); ++i) {
            const QPoint point = at(40, 230 + 6 * static_cast<int>(i));
            // The card is one page: a line below the printable area is lost.
            if (point.y() + device_.fontHeight() > bottom) break;
            device_.drawText(point, card_.memo.at(i));
        }
    }

private:
    QPoint at(int xMm, int yMm) const { return {xMm * scale_.dx, yMm * scale_.dy}; }

    PrintDevice& device_;
    const PropertyCardText& card_;
    const QImage& photo_;
    MmScale scale_;
};

}  // namespace

QRect propertyCardPhotoRectMm() {
    return QRect(QPoint(35, 45), QPoint(174, 129));
}

void printPropertyCard(PrintDevice& device, const PropertyCardText& card, const QImage& photo) {
    const PrintDevice::FontSpec saved = device.font();
    std::exception_ptr error;
    try {
        CardJob(device, card, photo).run();
    } catch (...) {
        error = std::current_exception();
    }
    // The clean-up runs in full even when drawing failed.
    try {
        PrintDevice::FontSpec font = device.font();
        font.name = saved.name;
        font.pointSize = saved.pointSize;
        device.setFont(font);
        device.endJob();
        device.setOrientation(PrintDevice::Orientation::Portrait);
    } catch (...) {
        if (!error) error = std::current_exception();
    }
    if (error) std::rethrow_exception(error);
}
