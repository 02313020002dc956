#include "app/tfmbu_main.h"

#include "app/main_bitmaps.h"
#include "app/main_hints.h"
#include "app/main_notices.h"
#include "app/picture_button.h"
#include "app/status_panels.h"
#include "app/title_band.h"
#include "backup/backup_on_close.h"
#include "backup/backup_settings.h"
#include "common/action_guard.h"
#include "common/clock.h"
#include "common/dialogs.h"
#include "common/ini_file.h"
#include "common/office_folder.h"
#include "common/time_text.h"
#include "data/database.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QMetaMethod>
#include <QProcess>
#include <QProxyStyle>
#include <QPushButton>
#include <QScreen>
#include <QStatusBar>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

namespace {
constexpr int kButtonColumnWidth = 153;
constexpr int kHintDelayMs = 100;

// Where each picture button sits in the button column: tag, left, top, width.
struct PictureButtonPlace {
    int tag;
    int left;
    int top;
    int width;
};
constexpr std::array<PictureButtonPlace, 8> kPictureButtonPlaces{{
    {1, 9, 5, 100},
    {2, 9, 41, 125},
    {3, 9, 77, 100},
    {4, 9, 113, 100},
    {5, 9, 149, 100},
    {6, 9, 185, 100},
    {7, 9, 221, 75},
    {9, 14, 319, 54},
}};
constexpr int kPictureButtonHeight = 33;

// Hints of the window show after a short pause, so that the hint of the
// expiring-contracts button comes up at once.
class QuickHintStyle : public QProxyStyle {
  public:
    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* data) const override {
        if (hint == QStyle::SH_ToolTip_WakeUpDelay)
            return kHintDelayMs;
        return QProxyStyle::styleHint(hint, option, widget, data);
    }
};

QFont windowFont() {
    QFont font(QStringLiteral("굴림체"));
    font.setPixelSize(19);
    return font;
}

void paintWhite(QWidget* widget) {
    widget->setAutoFillBackground(true);
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, Qt::white);
    widget->setPalette(palette);
}
}  // namespace

TFMbu_main::TFMbu_main(QWidget* parent) : QMainWindow(parent) {
    setObjectName(QStringLiteral("FMbu_main"));
    setWindowTitle(QStringLiteral("공인중개사  사무실  업무관리 [Quarnel 3.0]"));
    setFont(windowFont());
    startProgram = [](const QString& program) { return QProcess::startDetached(program, {}); };
    openDocument = [](const QUrl& document) { return QDesktopServices::openUrl(document); };
    backUpOnClose = [] {
        if (Database::isOpen()) ::backUpOnClose(officeFolder(), Database::qdb3());
    };

    auto* central = new QWidget(this);
    paintWhite(central);
    auto* rows = new QVBoxLayout(central);
    rows->setContentsMargins(0, 0, 0, 0);
    rows->setSpacing(0);
    Panel2 = new TitleBand(central);
    rows->addWidget(Panel2);
    auto* body = new QHBoxLayout;
    body->setSpacing(0);
    body->addWidget(buildPictureArea(), 1);
    body->addWidget(buildButtonColumn());
    rows->addLayout(body, 1);
    setCentralWidget(central);
    buildStatusBar();
    connectActions();
    resize(609, 419);

    loadPersonCodeLists();
    sharedValues().photoChanged = false;
}

TFMbu_main::~TFMbu_main() = default;

QWidget* TFMbu_main::buildPictureArea() {
    auto* area = new QWidget(this);
    auto* grid = new QGridLayout(area);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setSpacing(0);

    Image1 = new QLabel(area);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setScaledContents(true);
    Image1->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Ignored);
    grid->addWidget(Image1, 0, 0, 3, 3);

    BitBtn2 = new QPushButton(QStringLiteral("계약만료물건 ?"), area);
    BitBtn2->setObjectName(QStringLiteral("BitBtn2"));
    BitBtn2->setToolTip(QStringLiteral("30일 이내 계약만료물건 검색"));
    auto* quickHints = new QuickHintStyle;
    quickHints->setParent(this);
    BitBtn2->setStyle(quickHints);
    // The button sits over the picture, 8 pixels in from its lower left corner.
    grid->addWidget(BitBtn2, 1, 1);
    grid->setColumnMinimumWidth(0, 8);
    grid->setRowMinimumHeight(2, 8);
    grid->setRowStretch(0, 1);
    grid->setColumnStretch(2, 1);
    return area;
}

QWidget* TFMbu_main::buildButtonColumn() {
    Panel3 = new QWidget(this);
    Panel3->setObjectName(QStringLiteral("Panel3"));
    Panel3->setFixedWidth(kButtonColumnWidth);
    paintWhite(Panel3);

    for (size_t i = 0; i < kPictureButtonPlaces.size(); ++i) {
        const PictureButtonPlace& place = kPictureButtonPlaces[i];
        auto* button = new PictureButton(place.tag, Panel3);
        button->setObjectName(QStringLiteral("BT%1").arg(place.tag));
        button->setGeometry(place.left, place.top, place.width, kPictureButtonHeight);
        pictureButtons_[i] = button;
    }
    SpeedButton1 = new QToolButton(Panel3);
    SpeedButton1->setObjectName(QStringLiteral("SpeedButton1"));
    SpeedButton1->setText(QStringLiteral("뷰어"));
    SpeedButton1->setAutoRaise(true);
    SpeedButton1->setGeometry(80, 283, 60, 31);
    BitBtn1 = new QPushButton(QStringLiteral("설명서"), Panel3);
    BitBtn1->setObjectName(QStringLiteral("BitBtn1"));
    BitBtn1->setGeometry(80, 321, 60, 25);
    return Panel3;
}

void TFMbu_main::buildStatusBar() {
    StatusBar1 = new QStatusBar(this);
    StatusBar1->setObjectName(QStringLiteral("StatusBar1"));
    StatusBar1->setSizeGripEnabled(false);
    QFont font = windowFont();
    font.setPixelSize(16);
    font.setBold(true);
    StatusBar1->setFont(font);
    QPalette palette = StatusBar1->palette();
    palette.setColor(QPalette::WindowText, QColor(0, 0, 128));
    StatusBar1->setPalette(palette);
    statusPanels_ = new StatusPanels(StatusBar1);
    StatusBar1->addWidget(statusPanels_, 1);
    setStatusBar(StatusBar1);

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(1000);
    connect(Timer1, &QTimer::timeout, this, &TFMbu_main::Timer1Timer);
    Timer1->start();
    Timer1Timer();
}

void TFMbu_main::connectActions() {
    for (PictureButton* button : pictureButtons_) {
        connect(button, &PictureButton::hovered, this, &TFMbu_main::showHint);
    }
    const std::array<void (TFMbu_main::*)(), 8> requests{&TFMbu_main::listingsRequested,
                                                         &TFMbu_main::clientsRequested,
                                                         nullptr,
                                                         &TFMbu_main::cashBookRequested,
                                                         &TFMbu_main::peopleRequested,
                                                         &TFMbu_main::memosRequested,
                                                         &TFMbu_main::contractsRequested,
                                                         nullptr};
    for (size_t i = 0; i < requests.size(); ++i) {
        if (!requests[i])
            continue;
        connect(pictureButtons_[i], &QAbstractButton::clicked, this,
                [this, request = requests[i]] { openTask(request); });
    }
    connect(pictureButtons_[2], &QAbstractButton::clicked, this, guarded([this] { BT3Click(); }));
    connect(pictureButtons_[7], &QAbstractButton::clicked, this, guarded([this] { close(); }));
    connect(SpeedButton1, &QAbstractButton::clicked, this,
            [this] { openTask(&TFMbu_main::viewerRequested); });
    connect(BitBtn1, &QAbstractButton::clicked, this, guarded([this] { BitBtn1Click(); }));
    connect(BitBtn2, &QAbstractButton::clicked, this,
            [this] { openTask(&TFMbu_main::expiringLeasesRequested); });
}

void TFMbu_main::loadPersonCodeLists() {
    runGuarded([this] { sharedValues().personCodes.load(QRscd); });
}

void TFMbu_main::ChangeCho2ForCho1(QComboBox* box, int listIndex, int mode) const {
    if (box)
        fillWithPersonCodes(*box, sharedValues().personCodes.list(listIndex), mode);
}

void TFMbu_main::formActivate() {
    programDirectory_ = officeFolder().programDirectory();
    loadBitmaps();
    refreshNotices();
}

void TFMbu_main::refreshNotices() {
    noticeDay_ = appClock().today();
    const MainNotice notice = mainNotice();
    statusPanels_->setText(0, notice.text);
    statusPanels_->panel(0)->setToolTip(notice.detail);
}

void TFMbu_main::loadBitmaps() {
    const OfficeFolder& folder = officeFolder();
    const QStringList names = mainBitmapNames();
    // The first bitmap that cannot be read is shown as an error, and the ones
    // after it are left as they were.
    runGuarded([&] {
        Image1->setPixmap(readMainBitmap(folder, names.first()));
        for (qsizetype i = 1; i < names.size(); ++i) {
            pictureButtons_[static_cast<size_t>(i - 1)]->setPicture(
                readMainBitmap(folder, names[i]));
        }
    });
}

QString TFMbu_main::statusText(int panel) const {
    return statusPanels_->text(panel);
}

void TFMbu_main::Timer1Timer() {
    statusPanels_->setText(2, longTimeText(appClock().time()));
    // At midnight today's and tomorrow's entries are other ones.
    if (noticeDay_.isValid() && appClock().today() != noticeDay_) refreshNotices();
}

void TFMbu_main::showHint(int tag) {
    statusPanels_->setText(1, mainButtonHint(tag));
}

void TFMbu_main::openTask(void (TFMbu_main::*request)()) {
    // A button whose form nobody opens yet does nothing.
    if (!isSignalConnected(QMetaMethod::fromSignal(request)))
        return;
    runGuarded([this, request] { emit(this->*request)(); });
    formActivate();
}

namespace {
// The diary program named in quarnel.ini ([Programs] diary=…); a name with a
// folder but no root is taken from the office folder, a bare name is found
// on the program search path. Empty when none is named.
QString externalDiaryProgram() {
    const QString named =
        IniFile(officeFolder().iniPath()).text(QStringLiteral("Programs"), QStringLiteral("diary"));
    if (named.isEmpty() || QDir::isAbsolutePath(named) || !named.contains(u'/')) return named;
    return officeFolder().filePath(named);
}
}  // namespace

QString serverDiaryRefusal(const QString& program) {
    return QStringLiteral("quarnel.ini에 지정된 일정 프로그램(%1)은 자기 파일만 읽으므로 자료 서버를 쓰는 "
                          "사무실에서는 쓸 수 없습니다.\n프로그램에 들어 있는 큰달력을 엽니다 ...!")
        .arg(program);
}

void TFMbu_main::BT3Click() {
    const QString program = externalDiaryProgram();
    // The diary lives on the server with everything else; a program of its
    // own would show a different, local diary.
    if (!program.isEmpty() && Database::isOpen() && Database::qdb3().isServer()) {
        dialogs().warning(serverDiaryRefusal(program));
        openTask(&TFMbu_main::diaryRequested);
        return;
    }
    if (!program.isEmpty()) {
        if (startProgram(program)) return;
        // The office's payment days must not go unseen for want of a program.
        dialogs().warning(QStringLiteral("quarnel.ini에 지정된 일정 프로그램을 시작할 수 없습니다 (%1).\n"
                                         "프로그램에 들어 있는 큰달력을 엽니다 ...!")
                              .arg(program));
    }
    openTask(&TFMbu_main::diaryRequested);
}

void TFMbu_main::BitBtn1Click() {
    const QString manual = officeFolder().filePath(QStringLiteral("manual.doc"));
    if (QFileInfo::exists(manual)) {
        if (openDocument(QUrl::fromLocalFile(manual))) return;
        dialogs().warning(QStringLiteral("사무실의 manual.doc를 열 수 있는 프로그램이 없습니다.\n"
                                         "프로그램에 들어 있는 설명서를 엽니다 ...!"));
    }
    openTask(&TFMbu_main::manualRequested);
}

void TFMbu_main::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (activatedOnce_)
        return;
    activatedOnce_ = true;
    centreOnScreen();
    formActivate();
}

void TFMbu_main::closeEvent(QCloseEvent* event) {
    if (backUpOnClose) runGuarded(backUpOnClose);
    QMainWindow::closeEvent(event);
}

void TFMbu_main::centreOnScreen() {
    const QScreen* screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    QRect frame = frameGeometry();
    frame.moveCenter(screen->availableGeometry().center());
    move(frame.topLeft());
}
