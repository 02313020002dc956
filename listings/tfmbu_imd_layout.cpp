// Building the controls of the listing entry form: owner and property on the
// left, tenant and money on the right with the memos below them, the button
// column and the view panel at the right edge, the status bar at the bottom.

#include "listings/tfmbu_imd.h"

#include "common/cp949.h"
#include "listings/listing_record.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStatusBar>

namespace {

constexpr int kFormWidth = 632;
constexpr int kFormHeight = 453;
constexpr int kBlockWidth = 262;
constexpr int kLeftBlockX = 4;
constexpr int kRightBlockX = 270;
constexpr int kFirstRowY = 32;
constexpr int kRowPitch = 26;
constexpr int kRowHeight = 21;
constexpr int kLabelWidth = 64;
constexpr int kPairLabelWidth = 58;
constexpr int kButtonColumnX = 536;
constexpr int kButtonWidth = 86;
constexpr int kButtonHeight = 31;
constexpr int kButtonPitch = 40;
constexpr int kMarkerMargin = 3;

QColor silver() {
    return QColor(0xC0, 0xC0, 0xC0);
}

int rowY(int row) {
    return kFirstRowY + row * kRowPitch;
}

// Geometry of an entry in a block row: the whole row after its label, or the
// first or the second half of the row.
enum class Span { Whole, First, Second };

QRect entryRect(int blockX, int row, Span span) {
    const int wholeX = blockX + kLabelWidth;
    const int wholeWidth = kBlockWidth - kLabelWidth;
    const int firstWidth = (wholeWidth - kPairLabelWidth) / 2;
    switch (span) {
        case Span::Whole:
            return {wholeX, rowY(row), wholeWidth, kRowHeight};
        case Span::First:
            return {wholeX, rowY(row), firstWidth, kRowHeight};
        case Span::Second:
            break;
    }
    const int secondX = wholeX + firstWidth + kPairLabelWidth;
    return {secondX, rowY(row), blockX + kBlockWidth - secondX, kRowHeight};
}

int labelWidthFor(Span span) {
    return span == Span::Second ? kPairLabelWidth : kLabelWidth;
}

QLabel* addLabel(QWidget* parent, const QString& text, const QRect& entry, int width) {
    auto* label = new QLabel(text, parent);
    label->setGeometry(entry.x() - width, entry.y(), width - 4, entry.height());
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return label;
}

QFrame* addBlockFrame(QWidget* parent, int x, int rows) {
    auto* frame = new QFrame(parent);
    frame->setFrameShape(QFrame::StyledPanel);
    frame->setFrameShadow(QFrame::Sunken);
    frame->setGeometry(x - 2, kFirstRowY - 4, kBlockWidth + 4, rows * kRowPitch + 4);
    frame->lower();
    return frame;
}

struct EntryPlace {
    const char* control;
    int row;
    Span span;
};

const EntryPlace kOwnerEntries[] = {
    {"EDname", 0, Span::Whole},     {"EDhtel", 1, Span::Whole},
    {"EDotel", 2, Span::Whole},     {"EDhphone", 3, Span::Whole},
    {"EDaddr", 4, Span::Whole},     {"EDaddr1", 5, Span::Whole},
    {"EDcname1", 7, Span::Whole},   {"EDbuildname", 8, Span::Whole},
    {"EDduse", 9, Span::First},     {"EDguse", 9, Span::Second},
    {"EDdpung", 10, Span::First},   {"EDgpung", 10, Span::Second},
    {"EDstair", 11, Span::First},   {"EDman", 11, Span::Second},
    {"EDgdfirst", 12, Span::First}, {"EDgdsecond", 12, Span::Second},
    {"EDcno", 13, Span::First},     {"EDinday", 13, Span::Second},
};
constexpr int kOwnerRows = 14;

const EntryPlace kTenantEntries[] = {
    {"EDname1", 0, Span::Whole},     {"EDhtel1", 1, Span::Whole},
    {"EDotel1", 2, Span::Whole},     {"EDhphone1", 3, Span::Whole},
    {"EDipjuday", 4, Span::First},   {"EDexpireday", 4, Span::Second},
    {"EDtmprice", 5, Span::First},   {"EDmpricepp", 5, Span::Second},
    {"EDrendmoney", 6, Span::First}, {"EDensurem", 6, Span::Second},
    {"EDmonthm", 7, Span::First},    {"EDpricepp", 7, Span::Second},
    {"EDtbipumm", 8, Span::First},   {"EDtotalm", 8, Span::Second},
    {"EDbipum", 9, Span::Whole},     {"EDmidDay", 10, Span::First},
    {"EDlastDay", 10, Span::Second},
};
constexpr int kTenantRows = 11;

// Caption and byte limit of an entry field (0: a number field, no limit).
struct EntryCaption {
    QString label;
    int bytes = 0;
};

EntryCaption captionOf(const char* control) {
    for (const ListingTextField& f : listingTextFields()) {
        if (qstrcmp(f.control, control) == 0)
            return {QString::fromUtf8(f.label), f.bytes};
    }
    for (const ListingNumberField& f : listingNumberFields()) {
        if (qstrcmp(f.control, control) == 0)
            return {QString::fromUtf8(f.label), 0};
    }
    return {};
}

QPushButton* addColumnButton(QWidget* panel, const char* name, const QString& caption,
                             const QString& hint, int index) {
    auto* button = new QPushButton(caption, panel);
    button->setObjectName(QLatin1String(name));
    button->setToolTip(hint);
    button->setAutoDefault(false);
    button->setGeometry(kMarkerMargin + 3, 8 + index * kButtonPitch, kButtonWidth, kButtonHeight);
    return button;
}

}  // namespace

// An entry field with its caption on the left and its byte limit; numbers
// are aligned to the right.
QLineEdit* TFMbu_imd::addEdit(QWidget* area, const char* name, QRect geometry, int labelWidth) {
    const EntryCaption caption = captionOf(name);
    auto* field = new QLineEdit(area);
    field->setObjectName(QLatin1String(name));
    field->setGeometry(geometry);
    addLabel(area, caption.label, geometry, labelWidth);
    if (caption.bytes > 0) {
        limitCp949(field, caption.bytes);
    } else {
        field->setAlignment(Qt::AlignRight);
    }
    edits_.insert(field->objectName(), field);
    return field;
}

void TFMbu_imd::buildForm() {
    setWindowTitle(QStringLiteral("부동산  매물   입력/수정/삭제"));
    setFixedSize(kFormWidth, kFormHeight);
    setFont(QFont(QStringLiteral("굴림"), 8));
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, silver());
    palette.setColor(QPalette::Button, silver());
    setPalette(palette);
    setAutoFillBackground(true);

    buildOwnerBlock(this);
    buildTenantBlock(this);
    EDname = edit("EDname");
    EDhtel = edit("EDhtel");
    EDaddr = edit("EDaddr");
    EDaddr1 = edit("EDaddr1");
    buildButtonColumn();
    buildViewPanel();

    CBexistList = new QComboBox(this);
    CBexistList->setObjectName(QStringLiteral("CBexistList"));
    CBexistList->setGeometry(kLeftBlockX, 4, kRightBlockX + kBlockWidth - kLeftBlockX, 22);

    buildStatusBar();
}

void TFMbu_imd::buildOwnerBlock(QWidget* area) {
    addBlockFrame(area, kLeftBlockX, kOwnerRows);
    for (const EntryPlace& place : kOwnerEntries) {
        QRect geometry = entryRect(kLeftBlockX, place.row, place.span);
        const bool isAddress = qstrcmp(place.control, "EDaddr") == 0;
        if (isAddress)
            geometry.setWidth(geometry.width() - 32);
        addEdit(area, place.control, geometry, labelWidthFor(place.span));
        if (isAddress) {
            BTzip = new QPushButton(QStringLiteral("F2"), area);
            BTzip->setObjectName(QStringLiteral("BTzip"));
            BTzip->setAutoDefault(false);
            BTzip->setFocusPolicy(Qt::NoFocus);
            BTzip->setGeometry(geometry.right() + 3, geometry.y(), 29, kRowHeight);
        }
        if (place.row == 5) {  // the deal and property kinds follow the detailed address
            CBim = new QComboBox(area);
            CBim->setObjectName(QStringLiteral("CBim"));
            CBim->addItems(
                {QStringLiteral("전체"), QStringLiteral("임대"), QStringLiteral("매매")});
            CBim->setGeometry(entryRect(kLeftBlockX, 6, Span::First));
            addLabel(area, QStringLiteral("임대/매매"), CBim->geometry(), kLabelWidth);
            CBcname = new QComboBox(area);
            CBcname->setObjectName(QStringLiteral("CBcname"));
            CBcname->setGeometry(entryRect(kLeftBlockX, 6, Span::Second));
            addLabel(area, QStringLiteral("분류"), CBcname->geometry(), kPairLabelWidth);
        }
    }
}

void TFMbu_imd::buildTenantBlock(QWidget* area) {
    addBlockFrame(area, kRightBlockX, kTenantRows);
    for (const EntryPlace& place : kTenantEntries) {
        addEdit(area, place.control, entryRect(kRightBlockX, place.row, place.span),
                labelWidthFor(place.span));
    }
    const int memoTop = rowY(kTenantRows) + 4;
    const int memoHeight = kFormHeight - 26 - memoTop;
    const int memoWidth = (kBlockWidth - 4) / 2;
    Memo1 = new QPlainTextEdit(QStringLiteral("기본메모"), area);
    Memo1->setObjectName(QStringLiteral("Memo1"));
    Memo1->setGeometry(kRightBlockX, memoTop, memoWidth, memoHeight);
    Memo2 = new QPlainTextEdit(QStringLiteral("상세메모"), area);
    Memo2->setObjectName(QStringLiteral("Memo2"));
    Memo2->setGeometry(kRightBlockX + memoWidth + 4, memoTop, kBlockWidth - memoWidth - 4,
                       memoHeight);
}

void TFMbu_imd::buildButtonColumn() {
    Panel2 = new QFrame(this);
    Panel2->setObjectName(QStringLiteral("Panel2"));
    Panel2->setFrameShape(QFrame::StyledPanel);
    Panel2->setGeometry(kButtonColumnX, 4, kFormWidth - kButtonColumnX - 4, 7 * kButtonPitch + 10);

    ShapeBT = new QFrame(Panel2);
    ShapeBT->setObjectName(QStringLiteral("ShapeBT"));
    ShapeBT->setGeometry(3, 8 - kMarkerMargin, kButtonWidth + 2 * kMarkerMargin,
                         kButtonHeight + 2 * kMarkerMargin);
    ShapeBT->setAutoFillBackground(true);
    QPalette red = ShapeBT->palette();
    red.setColor(QPalette::Window, Qt::red);
    ShapeBT->setPalette(red);
    ShapeBT->hide();

    BTinp = addColumnButton(Panel2, "BTinp", QStringLiteral("등 록"),
                            QStringLiteral("현재 입력된 정보의 등록"), 0);
    BTmod = addColumnButton(Panel2, "BTmod", QStringLiteral("수 정"),
                            QStringLiteral("현재대로 수정후 저장"), 1);
    BTdel = addColumnButton(Panel2, "BTdel", QStringLiteral("삭 제"),
                            QStringLiteral("현재 정보를 삭제"), 2);
    BTquit = addColumnButton(Panel2, "BTquit", QStringLiteral("종 료"),
                             QStringLiteral("메인메뉴로 복귀"), 3);
    BTcode = addColumnButton(Panel2, "BTcode", QStringLiteral("코드"),
                             QStringLiteral("각종 코드관리"), 4);
    BTpictInp = addColumnButton(Panel2, "BTpictInp", QStringLiteral("사진관리"), QString(), 5);
    BTclients = addColumnButton(Panel2, "BTclients", QStringLiteral("손님?"),
                                QStringLiteral("이 물건에 맞는 손님 ?"), 6);
    BTcode->setEnabled(false);
}

void TFMbu_imd::buildViewPanel() {
    Panel1 = new QFrame(this);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setFrameShape(QFrame::StyledPanel);
    const int top = Panel2->geometry().bottom() + 6;
    Panel1->setGeometry(kButtonColumnX, top, Panel2->width(), 4 * 22 + 8);

    RBview = new QRadioButton(QStringLiteral("모두보기"), Panel1);
    RBview->setObjectName(QStringLiteral("RBview"));
    RBhide = new QRadioButton(QStringLiteral("숨 기 기"), Panel1);
    RBhide->setObjectName(QStringLiteral("RBhide"));
    RBhide->setChecked(true);
    CKBreqing = new QCheckBox(QStringLiteral("의뢰중"), Panel1);
    CKBreqing->setObjectName(QStringLiteral("CKBreqing"));
    CKBreqing->setToolTip(QStringLiteral("의뢰중인 물건만 보기"));
    CKBreqing->setChecked(true);
    CKBkwanggo = new QCheckBox(QStringLiteral("광고중"), Panel1);
    CKBkwanggo->setObjectName(QStringLiteral("CKBkwanggo"));
    CKBkwanggo->setToolTip(QStringLiteral("광고중인 물건만 보기"));
    int y = 4;
    for (QWidget* choice : {static_cast<QWidget*>(RBview), static_cast<QWidget*>(RBhide),
                            static_cast<QWidget*>(CKBreqing), static_cast<QWidget*>(CKBkwanggo)}) {
        choice->setGeometry(8, y, Panel1->width() - 12, 20);
        y += 22;
    }
}

void TFMbu_imd::buildStatusBar() {
    StatusBar1 = new QStatusBar(this);
    StatusBar1->setObjectName(QStringLiteral("StatusBar1"));
    StatusBar1->setSizeGripEnabled(false);
    StatusBar1->setGeometry(0, kFormHeight - 22, kFormWidth, 22);
    statusPanel0_ = new QLabel(QStringLiteral("차액"), StatusBar1);
    statusPanel0_->setObjectName(QStringLiteral("StatusPanel0"));
    statusPanel0_->setFixedWidth(200);
    statusPanel1_ = new QLabel(QStringLiteral("금액"), StatusBar1);
    statusPanel1_->setObjectName(QStringLiteral("StatusPanel1"));
    statusPanel1_->setFixedWidth(50);
    for (QLabel* panel : {statusPanel0_, statusPanel1_}) {
        panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    }
    StatusBar1->addWidget(statusPanel0_);
    StatusBar1->addWidget(statusPanel1_);
}
