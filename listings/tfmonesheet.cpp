#include "listings/tfmonesheet.h"

#include "common/action_guard.h"
#include "common/cp949.h"
#include "common/dialogs.h"
#include "common/focus_keys.h"
#include "common/form_keys.h"
#include "common/mm_scale.h"
#include "common/print_device.h"
#include "data/table.h"
#include "imaging/picture_file.h"
#include "imaging/picture_view.h"
#include "listings/property_card_print.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

const QString kCaption = QStringLiteral("물건카드");
// Said when the printer dialog itself fails; the card then goes to the
// current printer.
const QString kPrinterTrouble =
    QStringLiteral("프린터시에 문제가 생겼습니다. 확인후 재시도 하세요 ...!");

template <typename Widget>
Widget* named(Widget* widget, const char* name) {
    widget->setObjectName(QLatin1String(name));
    return widget;
}

// The photo decoded for the printed frame at the device's resolution.
QImage printedPhoto(const QString& path, const PrintDevice& device) {
    const MmScale scale = millimetreScale(device);
    const QRect frame = propertyCardPhotoRectMm();
    const QSize dots(frame.width() * scale.dx, frame.height() * scale.dy);
    return readPictureFile(path, PictureRequest{.fitInto = dots, .cover = true}).image;
}

}  // namespace

TFMoneSheet::TFMoneSheet(QWidget* parent) : TaskForm(parent) {
    setObjectName(QStringLiteral("FMoneSheet"));
    setWindowTitle(kCaption);
    setFont(QFont(QStringLiteral("굴림체"), 10));
    buildForm();
    connect(BitBtn1, &QPushButton::clicked, this, guarded([this] { print(); }));
    // Nothing changes the current directory here, so closing has nothing to
    // put back.
    connect(BitBtn2, &QPushButton::clicked, this, [this] { close(); });
    FocusKeys::install(
        {EDtitle, EDaddr, EDdpung, EDduse, EDyoungdoJi, EDyoungdo, EDtoji, EDmpricepp, EDtmprice},
        false);
}

void TFMoneSheet::buildForm() {
    LBfileName = named(new QLabel(this), "LBfileName");
    LBfileName->setStyleSheet(QStringLiteral("color: gray"));
    LBscancode = named(new QLabel(this), "LBscancode");
    LBscancode->hide();

    EDtitle = named(new QLineEdit(this), "EDtitle");
    QFont titleFont = font();
    titleFont.setBold(true);
    titleFont.setPointSize(16);
    EDtitle->setFont(titleFont);
    EDtitle->setStyleSheet(QStringLiteral("color: blue"));
    limitCp949(EDtitle, 13);

    Image1 = named(new PictureView(this), "Image1");
    Image1->setScaling(PictureView::Scaling::Stretch);
    Image1->setFixedSize(420, 255);

    const auto field = [this](const char* name, int bytes) {
        auto* edit = named(new QLineEdit(this), name);
        if (bytes > 0) limitCp949(edit, bytes);
        return edit;
    };
    EDaddr = field("EDaddr", 35);
    EDdpung = field("EDdpung", 12);
    EDduse = field("EDduse", 12);
    EDyoungdoJi = field("EDyoungdoJi", 30);
    EDyoungdo = field("EDyoungdo", 30);
    EDtoji = field("EDtoji", 30);
    EDtmprice = field("EDtmprice", 0);
    EDmpricepp = field("EDmpricepp", 0);
    Memo1 = named(new QPlainTextEdit(this), "Memo1");
    makeMemo(Memo1);
    Memo1->setFixedHeight(90);

    auto* grid = new QGridLayout;
    const auto caption = [this](const char* text) {
        return new QLabel(QString::fromUtf8(text), this);
    };
    grid->addWidget(caption("소 재 지"), 0, 0);
    grid->addWidget(EDaddr, 0, 1, 1, 3);
    grid->addWidget(caption("면    적"), 1, 0);
    grid->addWidget(EDdpung, 1, 1);
    grid->addWidget(caption("평당"), 1, 2);
    grid->addWidget(EDmpricepp, 1, 3);
    grid->addWidget(caption("지    목"), 2, 0);
    grid->addWidget(EDduse, 2, 1);
    grid->addWidget(caption("금액"), 2, 2);
    grid->addWidget(EDtmprice, 2, 3);
    grid->addWidget(caption("용도지역"), 3, 0);
    grid->addWidget(EDyoungdoJi, 3, 1, 1, 3);
    grid->addWidget(caption("용    도"), 4, 0);
    grid->addWidget(EDyoungdo, 4, 1, 1, 3);
    grid->addWidget(caption("토지거래"), 5, 0);
    grid->addWidget(EDtoji, 5, 1, 1, 3);
    grid->addWidget(caption("기    타"), 6, 0, Qt::AlignTop);
    grid->addWidget(Memo1, 6, 1, 1, 3);

    BitBtn1 = named(new QPushButton(QStringLiteral("프린트"), this), "BitBtn1");
    BitBtn1->setToolTip(QStringLiteral("물건카드 출력"));
    BitBtn2 = named(new QPushButton(QStringLiteral("종  료"), this), "BitBtn2");
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(BitBtn1);
    buttons->addWidget(BitBtn2);

    auto* titleRow = new QHBoxLayout;
    titleRow->addWidget(new QLabel(QStringLiteral("Title"), this));
    titleRow->addWidget(EDtitle, 1);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(titleRow);
    layout->addWidget(Image1, 0, Qt::AlignHCenter);
    layout->addWidget(LBfileName, 0, Qt::AlignHCenter);
    layout->addLayout(grid);
    layout->addLayout(buttons);
    layout->addWidget(LBscancode);
}

void TFMoneSheet::showEvent(QShowEvent* event) {
    TaskForm::showEvent(event);
    if (shown_) return;
    shown_ = true;
    runGuarded([this] { formActivate(); });
}

void TFMoneSheet::formActivate() {
    Image1->loadFile(LBfileName->text());
    fillFromListing();
}

void TFMoneSheet::fillFromListing() {
    Table listings(QStringLiteral("BUDONG.DB"));
    listings.open();
    if (listings.findKey(LBscancode->text())) {
        EDaddr->setText(listings.text(QStringLiteral("addr")));
        EDdpung->setText(listings.text(QStringLiteral("dpung")));
        EDtmprice->setText(listings.text(QStringLiteral("tmprice")));
        EDduse->setText(listings.text(QStringLiteral("duse")));
        EDmpricepp->setText(listings.text(QStringLiteral("mpricepp")));
    }
    listings.close();
}

PropertyCardText TFMoneSheet::cardText() const {
    PropertyCardText card;
    card.title = EDtitle->text();
    card.addr = EDaddr->text();
    card.dpung = EDdpung->text();
    card.duse = EDduse->text();
    card.youngdoJi = EDyoungdoJi->text();
    card.youngdo = EDyoungdo->text();
    card.toji = EDtoji->text();
    card.mpricepp = EDmpricepp->text();
    card.tmprice = EDtmprice->text();
    const QString memo = Memo1->toPlainText();
    if (!memo.isEmpty()) card.memo = memo.split(u'\n');
    return card;
}

void TFMoneSheet::print() {
    const PropertyCardText card = cardText();
    const QString photo = LBfileName->text();
    const Dialogs::PrintRequest request{
        kCaption, PrintDevice::Orientation::Portrait, [&card, &photo](PrintDevice& device) {
            printPropertyCard(device, card, printedPhoto(photo, device));
        }};
    // Only a card that went to a printer is confirmed; a failed job was
    // shown by the action's guard and never gets here.
    if (printWithDialog(request, kPrinterTrouble) != Dialogs::PrintOutcome::Cancelled)
        dialogs().informationYes(QStringLiteral("프린트를 완료하였습니다...?"));
}
