// Building the controls of the client request entry form: the request's
// fields in rows on the left with the memo below them, the button column on
// the right.

#include "clients/tfmbur_imd.h"

#include "clients/digit_limit.h"
#include "common/cp949.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

namespace {

constexpr int kFormWidth = 560;
constexpr int kFormHeight = 372;
constexpr int kFirstRowY = 10;
constexpr int kRowPitch = 27;
constexpr int kRowHeight = 21;
constexpr int kLeftLabelX = 6;
constexpr int kLeftFieldX = 76;
constexpr int kRightLabelX = 226;
constexpr int kRightFieldX = 296;
constexpr int kLabelWidth = 66;
constexpr int kLeftFieldWidth = 136;
constexpr int kRightFieldWidth = 140;
constexpr int kRangeFieldWidth = 70;
constexpr int kButtonX = 452;
constexpr int kButtonWidth = 96;
constexpr int kButtonHeight = 30;
constexpr int kButtonPitch = 38;

int rowY(int row) {
    return kFirstRowY + row * kRowPitch;
}

QLabel* label(QWidget* parent, const QString& text, int x, int row, int width = kLabelWidth,
              Qt::Alignment alignment = Qt::AlignRight | Qt::AlignVCenter) {
    auto* caption = new QLabel(text, parent);
    caption->setGeometry(x, rowY(row), width, kRowHeight);
    caption->setAlignment(alignment);
    return caption;
}

template <typename Widget>
Widget* placed(Widget* widget, const char* name, int x, int row, int width) {
    widget->setObjectName(QLatin1String(name));
    widget->setGeometry(x, rowY(row), width, kRowHeight);
    return widget;
}

}  // namespace

void TFMbur_imd::buildForm() {
    setWindowTitle(QStringLiteral("부동산  매입/매도/대여  희망자  입력/수정/삭제"));
    setFixedSize(kFormWidth, kFormHeight);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, QColor(0xC0, 0xC0, 0xC0));
    setPalette(palette);
    setAutoFillBackground(true);
    buildFields();
    buildButtons();
    setTabOrder();
}

void TFMbur_imd::buildFields() {
    const auto text = [this](const char* name, int x, int row, int width, int bytes) {
        auto* field = placed(new QLineEdit(this), name, x, row, width);
        limitCp949(field, bytes);
        edits_.insert(field->objectName(), field);
        return field;
    };
    const auto number = [this](const char* name, int x, int row, int width, int digits) {
        auto* field = placed(new QLineEdit(this), name, x, row, width);
        field->setAlignment(Qt::AlignRight);
        limitDigits(field, digits);
        edits_.insert(field->objectName(), field);
        return field;
    };
    label(this, QStringLiteral("성명"), kLeftLabelX, 0);
    EDname = text("EDname", kLeftFieldX, 0, kLeftFieldWidth, 10);
    label(this, QStringLiteral("손님구분"), kRightLabelX, 0);
    CBworking = placed(new QComboBox(this), "CBworking", kRightFieldX, 0, kRightFieldWidth);

    label(this, QStringLiteral("임대/매수"), kLeftLabelX, 1);
    CBim = placed(new QComboBox(this), "CBim", kLeftFieldX, 1, kLeftFieldWidth);
    label(this, QStringLiteral("분류"), kRightLabelX, 1);
    CBcname = placed(new QComboBox(this), "CBcname", kRightFieldX, 1, kRightFieldWidth);

    label(this, QStringLiteral("부동산명"), kLeftLabelX, 2);
    EDwantcom =
        text("EDwantcom", kLeftFieldX, 2, kRightFieldX + kRightFieldWidth - kLeftFieldX, 20);

    label(this, QStringLiteral("집전화"), kLeftLabelX, 3);
    EDhtel = text("EDhtel", kLeftFieldX, 3, kLeftFieldWidth, 17);
    label(this, QStringLiteral("선호지역"), kRightLabelX, 3);
    EDaddr = text("EDaddr", kRightFieldX, 3, kRightFieldWidth, 20);

    label(this, QStringLiteral("호출"), kLeftLabelX, 4);
    EDpipi = text("EDpipi", kLeftFieldX, 4, kLeftFieldWidth, 14);
    label(this, QStringLiteral("핸드폰"), kRightLabelX, 4);
    EDhphone = text("EDhphone", kRightFieldX, 4, kRightFieldWidth, 17);

    label(this, QStringLiteral("팩스"), kLeftLabelX, 5);
    EDfax = text("EDfax", kLeftFieldX, 5, kLeftFieldWidth, 17);

    const int secondRangeX = kLeftFieldX + kRangeFieldWidth + 40;
    const int afterRangeX = secondRangeX + kRangeFieldWidth + 4;
    label(this, QStringLiteral("대지평수"), kLeftLabelX, 6);
    EDdpungl = number("EDdpungl", kLeftFieldX, 6, kRangeFieldWidth, 6);
    label(this, QStringLiteral("부터"), kLeftFieldX + kRangeFieldWidth + 4, 6, 32, Qt::AlignCenter);
    EDdpungu = number("EDdpungu", secondRangeX, 6, kRangeFieldWidth, 6);
    label(this, QStringLiteral("사이"), afterRangeX, 6, 32, Qt::AlignLeft | Qt::AlignVCenter);

    label(this, QStringLiteral("건물평수"), kLeftLabelX, 7);
    EDgpungl = number("EDgpungl", kLeftFieldX, 7, kRangeFieldWidth, 6);
    label(this, QStringLiteral("부터"), kLeftFieldX + kRangeFieldWidth + 4, 7, 32, Qt::AlignCenter);
    EDgpungu = number("EDgpungu", secondRangeX, 7, kRangeFieldWidth, 6);
    label(this, QStringLiteral("사이"), afterRangeX, 7, 32, Qt::AlignLeft | Qt::AlignVCenter);

    label(this, QStringLiteral("예산"), kLeftLabelX, 8);
    EDyesan = number("EDyesan", kLeftFieldX, 8, 100, 8);
    label(this, QStringLiteral("천원"), kLeftFieldX + 104, 8, 32, Qt::AlignLeft | Qt::AlignVCenter);
    label(this, QStringLiteral("접수일"), kRightLabelX, 8);
    EDinday = text("EDinday", kRightFieldX, 8, 100, 10);

    label(this, QStringLiteral("메모"), kLeftLabelX, 9);
    Memo1 = new QPlainTextEdit(this);
    Memo1->setObjectName(QStringLiteral("Memo1"));
    Memo1->setGeometry(kLeftFieldX, rowY(9), kRightFieldX + kRightFieldWidth - kLeftFieldX,
                       kFormHeight - rowY(9) - 10);
}

void TFMbur_imd::buildButtons() {
    const auto button = [this](const char* name, const QString& caption, int index) {
        auto* b = new QPushButton(caption, this);
        b->setObjectName(QLatin1String(name));
        b->setAutoDefault(false);
        b->setGeometry(kButtonX, kFirstRowY + index * kButtonPitch, kButtonWidth, kButtonHeight);
        return b;
    };
    BTinp = button("BTinp", QStringLiteral("등 록"), 0);
    BTmod = button("BTmod", QStringLiteral("수 정"), 1);
    BTdel = button("BTdel", QStringLiteral("삭 제"), 2);
    BTquit = button("BTquit", QStringLiteral("종 료"), 3);
    BTcode = button("BTcode", QStringLiteral("코드"), 5);
    BTcode->setToolTip(QStringLiteral("각종 코드관리"));
}

void TFMbur_imd::setTabOrder() {
    const QList<QWidget*> order{EDname,   CBworking, CBim,     CBcname, EDwantcom, EDhtel,
                                EDaddr,   EDpipi,    EDhphone, EDfax,   EDdpungl,  EDdpungu,
                                EDgpungl, EDgpungu,  EDyesan,  EDinday, BTinp,     BTmod,
                                BTdel,    BTquit,    BTcode,   Memo1};
    for (qsizetype i = 1; i < order.size(); ++i)
        QWidget::setTabOrder(order[i - 1], order[i]);
}
