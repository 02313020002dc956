#include "app/title_band.h"

#include <QLabel>
#include <QResizeEvent>

namespace {
QLabel* makeLabel(QWidget* parent, const QString& name, const QString& text, const QFont& font,
                  const QColor& colour) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setFont(font);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, colour);
    label->setPalette(palette);
    label->adjustSize();
    return label;
}

QFont productFont() {
    QFont font(QStringLiteral("궁서체"));
    font.setPixelSize(27);
    font.setBold(true);
    return font;
}

QFont versionFont() {
    QFont font(QStringLiteral("굴림체"));
    font.setPixelSize(12);
    return font;
}
}  // namespace

TitleBand::TitleBand(QWidget* parent) : QFrame(parent) {
    setObjectName(QStringLiteral("Panel2"));
    setFixedHeight(kHeight);
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setLineWidth(1);
    setAutoFillBackground(true);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, QColor(185, 192, 116));
    setPalette(palette);

    const QString product = QStringLiteral("Quarnel");
    // The shadow first, so that the purple name is drawn over it.
    makeLabel(this, QStringLiteral("LBproductShadow"), product, productFont(),
              QColor(137, 137, 137))
        ->move(8, 5);
    makeLabel(this, QStringLiteral("LBproduct"), product, productFont(), QColor(128, 0, 128))
        ->move(5, 3);
    version_ = makeLabel(this, QStringLiteral("LBversion"), QStringLiteral("[Ver.3.0]"),
                         versionFont(), QColor(89, 122, 210));
}

void TitleBand::resizeEvent(QResizeEvent* event) {
    const int right = event->size().width() - 8;
    version_->move(right - version_->width(), (kHeight - version_->height()) / 2 + 3);
    QFrame::resizeEvent(event);
}
