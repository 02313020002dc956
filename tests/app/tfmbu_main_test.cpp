#include "app/tfmbu_main.h"
#include "common/store_helpers.h"
#include "tests/support/store_fixture.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include "app/picture_button.h"

namespace {
const QList<int> kTags{1, 2, 3, 4, 5, 6, 7, 9};

void moveMouseOver(QWidget* widget) {
    const QPointF local(5, 5);
    QMouseEvent move(QEvent::MouseMove, local, widget->mapToGlobal(local), Qt::NoButton,
                     Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(widget, &move);
}

QStringList itemsOf(const QComboBox& box) {
    QStringList items;
    for (int i = 0; i < box.count(); ++i)
        items.append(box.itemText(i));
    return items;
}
}  // namespace

class MainWindowTest : public StoreTest {
  protected:
    PictureButton* button(TFMbu_main& window, int tag) {
        auto* found = window.findChild<PictureButton*>(QStringLiteral("BT%1").arg(tag));
        EXPECT_NE(found, nullptr) << "BT" << tag;
        return found;
    }
    QSize imageSize(TFMbu_main& window) {
        return window.findChild<QLabel*>(QStringLiteral("Image1"))->pixmap().size();
    }
    void writeOfficeBitmap(const QString& name, const QSize& size, const QColor& colour) {
        QImage image(size, QImage::Format_RGB32);
        image.fill(colour);
        ASSERT_TRUE(image.save(office().filePath(name), "BMP"));
    }
    void writeOfficeFile(const QString& name, const QByteArray& bytes) {
        QFile file(office().filePath(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
};

// ---- the window as laid out ------------------------------------------------

TEST_F(MainWindowTest, CaptionBandColumnAndButtons) {
    TFMbu_main window;
    window.show();
    EXPECT_EQ(window.windowTitle(), QStringLiteral("공인중개사  사무실  업무관리 [Quarnel 3.0]"));
    EXPECT_EQ(window.size(), QSize(609, 419));
    EXPECT_EQ(window.font().pixelSize(), 19);

    auto* band = window.findChild<QWidget*>(QStringLiteral("Panel2"));
    ASSERT_NE(band, nullptr);
    EXPECT_EQ(band->height(), 34);
    EXPECT_EQ(band->palette().color(QPalette::Window), QColor(185, 192, 116));
    EXPECT_EQ(window.findChild<QLabel*>(QStringLiteral("LBproduct"))->pos(), QPoint(5, 3));
    EXPECT_EQ(window.findChild<QLabel*>(QStringLiteral("LBproductShadow"))->pos(), QPoint(8, 5));

    auto* column = window.findChild<QWidget*>(QStringLiteral("Panel3"));
    ASSERT_NE(column, nullptr);
    EXPECT_EQ(column->width(), 153);
    EXPECT_EQ(column->geometry().right(), window.width() - 1) << "the column is at the right edge";

    const QList<QRect> places{{9, 5, 100, 33},   {9, 41, 125, 33},  {9, 77, 100, 33},
                              {9, 113, 100, 33}, {9, 149, 100, 33}, {9, 185, 100, 33},
                              {9, 221, 75, 33},  {14, 319, 54, 33}};
    for (int i = 0; i < kTags.size(); ++i) {
        PictureButton* picture = button(window, kTags[i]);
        ASSERT_NE(picture, nullptr);
        EXPECT_EQ(picture->geometry(), places[i]) << "BT" << kTags[i];
        EXPECT_EQ(picture->property("Tag").toInt(), kTags[i]);
        EXPECT_EQ(picture->cursor().shape(), Qt::PointingHandCursor);
    }
    auto* viewer = window.findChild<QToolButton*>(QStringLiteral("SpeedButton1"));
    EXPECT_EQ(viewer->text(), QStringLiteral("뷰어"));
    EXPECT_EQ(viewer->geometry(), QRect(80, 283, 60, 31));
    auto* manual = window.findChild<QPushButton*>(QStringLiteral("BitBtn1"));
    EXPECT_EQ(manual->text(), QStringLiteral("설명서"));
    EXPECT_EQ(manual->geometry(), QRect(80, 321, 60, 25));
    auto* expiring = window.findChild<QPushButton*>(QStringLiteral("BitBtn2"));
    EXPECT_EQ(expiring->text(), QStringLiteral("계약만료물건 ?"));
    EXPECT_EQ(expiring->toolTip(), QStringLiteral("30일 이내 계약만료물건 검색"));
    EXPECT_EQ(expiring->style()->styleHint(QStyle::SH_ToolTip_WakeUpDelay, nullptr, expiring), 100);
}

TEST_F(MainWindowTest, HintOfTheButtonUnderTheMouseByTag) {
    TFMbu_main window;
    window.show();
    const QStringList hints{QStringLiteral("부동산 물건관리 및 원하는 물건 검색"),
                            QStringLiteral("구매자 관리 및 일치하는 물건 검색"),
                            QStringLiteral("큰달력 일정관리"),
                            QStringLiteral("금전출납관리"),
                            QStringLiteral("인명부관리 및 DM ..."),
                            QStringLiteral("주요정보 메모관리"),
                            QStringLiteral("계약서를 관리합니다"),
                            QStringLiteral("프로그램을 완전히 종료합니다")};
    for (int i = 0; i < kTags.size(); ++i) {
        moveMouseOver(button(window, kTags[i]));
        EXPECT_EQ(window.statusText(1), hints[i]) << "BT" << kTags[i];
        EXPECT_EQ(window.findChild<QLabel*>(QStringLiteral("StatusPanel1"))->text(), hints[i]);
    }
    // The hint follows the Tag, not the button's name.
    PictureButton* first = button(window, 1);
    first->setProperty("Tag", 6);
    moveMouseOver(first);
    EXPECT_EQ(window.statusText(1), hints[5]);
    EXPECT_TRUE(window.statusText(0).isEmpty()) << "the first panel stays empty";
}

// ---- the clock -------------------------------------------------------------

TEST_F(MainWindowTest, ClockPanelShowsTheLongTimeOfTheClock) {
    TFMbu_main window;
    window.show();
    EXPECT_EQ(window.statusText(2), QStringLiteral("오전 10:00:00")) << "shown from the start";
    auto* timer = window.findChild<QTimer*>(QStringLiteral("Timer1"));
    ASSERT_NE(timer, nullptr);
    EXPECT_TRUE(timer->isActive());
    EXPECT_EQ(timer->interval(), 1000);

    clock().set(QDateTime(QDate(2026, 12, 8), QTime(14, 5, 9)));
    window.Timer1Timer();
    EXPECT_EQ(window.findChild<QLabel*>(QStringLiteral("StatusPanel2"))->text(),
              QStringLiteral("오후 2:05:09"));

    clock().set(QDateTime(QDate(2026, 12, 8), QTime(0, 7, 30)));
    QTest::qWait(1200);
    EXPECT_EQ(window.statusText(2), QStringLiteral("오전 12:07:30"))
        << "the timer itself updates it";
}

// ---- the actions -----------------------------------------------------------

TEST_F(MainWindowTest, ExitButtonClosesTheWindow) {
    TFMbu_main window;
    window.show();
    ASSERT_TRUE(window.isVisible());
    QTest::mouseClick(button(window, 9), Qt::LeftButton);
    EXPECT_FALSE(window.isVisible());
}

TEST_F(MainWindowTest, CalendarProgramAndManualGoToTheDesktop) {
    TFMbu_main window;
    QStringList started;
    QList<QUrl> opened;
    window.startProgram = [&](const QString& program) {
        started.append(program);
        return false;  // not found: nothing is shown
    };
    window.openDocument = [&](const QUrl& document) {
        opened.append(document);
        return false;
    };
    window.show();
    QTest::mouseClick(button(window, 3), Qt::LeftButton);
    EXPECT_EQ(started, QStringList{QStringLiteral("DIARY1P.EXE")});
    QTest::mouseClick(window.findChild<QPushButton*>(QStringLiteral("BitBtn1")), Qt::LeftButton);
    ASSERT_EQ(opened.size(), 1);
    EXPECT_EQ(opened.first(), QUrl::fromLocalFile(office().filePath(QStringLiteral("manual.doc"))));
    EXPECT_TRUE(dlg().messages.isEmpty());
    EXPECT_TRUE(dlg().errors.isEmpty());
    EXPECT_TRUE(window.isVisible());
}

TEST_F(MainWindowTest, TaskButtonsAskForTheirFormsAndReactivateAfterward) {
    TFMbu_main window;
    window.show();
    ASSERT_EQ(imageSize(window), QSize(456, 385));
    int listings = 0;
    QObject::connect(&window, &TFMbu_main::listingsRequested, [&] {
        ++listings;
        // While the task form is open the office puts its own picture in place.
        writeOfficeBitmap(QStringLiteral("BUDMAIN.BMP"), QSize(20, 15), Qt::red);
    });
    QTest::mouseClick(button(window, 1), Qt::LeftButton);
    EXPECT_EQ(listings, 1);
    EXPECT_EQ(imageSize(window), QSize(20, 15)) << "the pictures are read again on return";

    int contracts = 0, viewer = 0, expiring = 0;
    QObject::connect(&window, &TFMbu_main::contractsRequested, [&] { ++contracts; });
    QObject::connect(&window, &TFMbu_main::viewerRequested, [&] { ++viewer; });
    QObject::connect(&window, &TFMbu_main::expiringLeasesRequested, [&] { ++expiring; });
    QTest::mouseClick(button(window, 7), Qt::LeftButton);
    QTest::mouseClick(window.findChild<QToolButton*>(QStringLiteral("SpeedButton1")),
                      Qt::LeftButton);
    QTest::mouseClick(window.findChild<QPushButton*>(QStringLiteral("BitBtn2")), Qt::LeftButton);
    EXPECT_EQ(contracts, 1);
    EXPECT_EQ(viewer, 1);
    EXPECT_EQ(expiring, 1);
    EXPECT_EQ(listings, 1);
}

TEST_F(MainWindowTest, ButtonsWithoutTheirFormDoNothing) {
    TFMbu_main window;
    window.show();
    for (const int tag : {2, 4, 5, 6})
        QTest::mouseClick(button(window, tag), Qt::LeftButton);
    QTest::mouseClick(window.findChild<QPushButton*>(QStringLiteral("BitBtn2")), Qt::LeftButton);
    EXPECT_TRUE(window.isVisible());
    EXPECT_TRUE(dlg().messages.isEmpty());
    EXPECT_TRUE(dlg().errors.isEmpty());
}

TEST_F(MainWindowTest, ProgramDirectoryPhotoFlagAndQueryQR1) {
    TFMbu_main window;
    EXPECT_FALSE(window.photoChanged);
    window.show();
    EXPECT_EQ(window.programDirectory(), office().programDirectory());
    EXPECT_TRUE(window.programDirectory().endsWith(QLatin1Char('/')));

    sql(QStringLiteral("INSERT INTO upche (COMNO, COMNAME) VALUES ('123', '가나상사')"));
    EXPECT_TRUE(existsOrDelete(window.QR1, QStringLiteral("upche.dbf"), QStringLiteral("COMNO"),
                               ExistsMode::Check, QStringLiteral("123")));
    existsOrDelete(window.QR1, QStringLiteral("upche.dbf"), QStringLiteral("COMNO"),
                   ExistsMode::Delete, QStringLiteral("123"));
    EXPECT_EQ(rows(QStringLiteral("upche")), 0);
}

// ---- the pictures ----------------------------------------------------------

TEST_F(MainWindowTest, BuiltInPicturesWhenTheOfficeHasNone) {
    TFMbu_main window;
    window.show();
    EXPECT_EQ(imageSize(window), QSize(456, 385));
    const QList<int> widths{100, 125, 100, 100, 100, 100, 75, 54};
    for (int i = 0; i < kTags.size(); ++i) {
        EXPECT_EQ(button(window, kTags[i])->picture().size(), QSize(widths[i], 33))
            << "BT" << kTags[i];
    }
    EXPECT_TRUE(dlg().errors.isEmpty());
}

TEST_F(MainWindowTest, OfficePicturesReplaceTheBuiltInOnes) {
    writeOfficeBitmap(QStringLiteral("BUDMAIN.BMP"), QSize(10, 10), Qt::blue);
    writeOfficeBitmap(QStringLiteral("BT5.BMP"), QSize(10, 10), Qt::green);
    TFMbu_main window;
    window.show();
    EXPECT_EQ(imageSize(window), QSize(10, 10));
    const QImage own = button(window, 5)->picture().toImage();
    EXPECT_EQ(own.size(), QSize(10, 10));
    EXPECT_EQ(own.pixelColor(3, 3), QColor(Qt::green));
    EXPECT_EQ(button(window, 4)->picture().size(), QSize(100, 33)) << "the others stay built in";
    EXPECT_EQ(button(window, 6)->picture().size(), QSize(100, 33));
}

TEST_F(MainWindowTest, UnreadablePictureIsReportedAndTheRestAreNotLoaded) {
    writeOfficeFile(QStringLiteral("BT3.BMP"), QByteArrayLiteral("this is not a bitmap"));
    TFMbu_main window;
    window.show();
    ASSERT_EQ(dlg().errors.size(), 1);
    EXPECT_TRUE(dlg().errors.first().contains(office().filePath(QStringLiteral("BT3.BMP"))))
        << dlg().errors.first().toStdString();
    EXPECT_EQ(imageSize(window), QSize(456, 385));
    EXPECT_FALSE(button(window, 1)->picture().isNull());
    EXPECT_FALSE(button(window, 2)->picture().isNull());
    for (const int tag : {3, 4, 5, 6, 7, 9}) {
        EXPECT_TRUE(button(window, tag)->picture().isNull()) << "BT" << tag;
    }

    // Once the office mends the file, the next activation loads everything.
    QFile::remove(office().filePath(QStringLiteral("BT3.BMP")));
    window.formActivate();
    EXPECT_EQ(dlg().errors.size(), 1);
    EXPECT_EQ(button(window, 9)->picture().size(), QSize(54, 33));
}

// ---- the person code lists -------------------------------------------------

TEST_F(MainWindowTest, CodeListsAreReadByCategoryInCodeOrder) {
    sql(
        QStringLiteral("INSERT INTO mancode (gubun, code) VALUES ('C', '가구업'), ('R', '이웃'), "
                       "('X', '기타')"));
    TFMbu_main window;
    const PersonCodeLists& lists = window.personCodeLists();
    EXPECT_EQ(lists.list(0), QStringList{QString()});
    EXPECT_EQ(lists.list(1), (QStringList{QStringLiteral("가구업"), QStringLiteral("건설업"),
                                          QStringLiteral("금융업"), QStringLiteral("도소매업"),
                                          QStringLiteral("서비스업"), QStringLiteral("제조업")}));
    EXPECT_EQ(lists.list(2), (QStringList{QStringLiteral("동창회"), QStringLiteral("상공회"),
                                          QStringLiteral("친목회")}));
    EXPECT_EQ(lists.list(3), (QStringList{QStringLiteral("상가"), QStringLiteral("아파트"),
                                          QStringLiteral("주택"), QStringLiteral("토지")}));
    EXPECT_EQ(lists.list(4),
              (QStringList{QStringLiteral("거래처"), QStringLiteral("고객"), QStringLiteral("이웃"),
                           QStringLiteral("친구"), QStringLiteral("친척")}));
    EXPECT_TRUE(lists.list(5).isEmpty());
    EXPECT_TRUE(dlg().errors.isEmpty());
}

TEST_F(MainWindowTest, RebuildReplacesTheListsAndAnEmptyCategoryGivesAnEmptyList) {
    TFMbu_main window;
    ASSERT_EQ(window.personCodeLists().list(2).size(), 3);
    sql(QStringLiteral("DELETE FROM mancode WHERE gubun = 'G'"));
    sql(QStringLiteral("INSERT INTO mancode (gubun, code) VALUES ('P', '공장')"));
    window.loadPersonCodeLists();
    EXPECT_TRUE(window.personCodeLists().list(2).isEmpty());
    EXPECT_EQ(window.personCodeLists().list(3).first(), QStringLiteral("공장"));
    EXPECT_EQ(window.personCodeLists().list(0), QStringList{QString()});
}

TEST_F(MainWindowTest, StoreErrorWhileBuildingTheListsIsShown) {
    sql(QStringLiteral("DROP TABLE mancode"));
    TFMbu_main window;
    ASSERT_EQ(dlg().errors.size(), 1);
    EXPECT_TRUE(dlg().errors.first().contains(QStringLiteral("mancode"), Qt::CaseInsensitive))
        << dlg().errors.first().toStdString();
    EXPECT_EQ(window.personCodeLists().list(0), QStringList{QString()});
    for (int index = 1; index <= 4; ++index)
        EXPECT_TRUE(window.personCodeLists().list(index).isEmpty());

    // The lists stay usable: the people forms still get their drop-down lists.
    QComboBox box;
    window.ChangeCho2ForCho1(&box, 1, 4);
    EXPECT_EQ(itemsOf(box), QStringList{QStringLiteral("전체")});
}

TEST_F(MainWindowTest, ListsBuiltBeforeAStoreErrorRemain) {
    TFMbu_main window;
    // Codes of category G now break the store while they are read.
    sql(QStringLiteral("CREATE TABLE mancode_rows AS SELECT gubun, code FROM mancode"));
    sql(QStringLiteral("DROP TABLE mancode"));
    sql(
        QStringLiteral("CREATE VIEW mancode AS SELECT gubun, CASE WHEN gubun = 'G' THEN json('x') "
                       "ELSE code END AS code FROM mancode_rows"));
    sql(QStringLiteral(
        "INSERT INTO mancode_rows (gubun, code) VALUES ('C', '가구업'), ('P', '공장')"));
    window.loadPersonCodeLists();
    ASSERT_EQ(dlg().errors.size(), 1);
    const PersonCodeLists& lists = window.personCodeLists();
    EXPECT_EQ(lists.list(1).first(), QStringLiteral("가구업")) << "rebuilt before the error";
    EXPECT_EQ(lists.list(2).size(), 3) << "kept from before";
    EXPECT_EQ(lists.list(3).size(), 4) << "not reached: kept from before";
    EXPECT_FALSE(lists.list(3).contains(QStringLiteral("공장")));
}

TEST_F(MainWindowTest, ChangeCho2ForCho1FillsTheDropDownList) {
    sql(QStringLiteral("DELETE FROM mancode WHERE gubun = 'G'"));
    TFMbu_main window;
    QComboBox box;
    box.addItems({QStringLiteral("이전1"), QStringLiteral("이전2")});

    window.ChangeCho2ForCho1(&box, 3, 1);
    EXPECT_EQ(itemsOf(box), (QStringList{QStringLiteral("상가"), QStringLiteral("아파트"),
                                         QStringLiteral("주택"), QStringLiteral("토지")}));
    EXPECT_EQ(box.currentIndex(), 0);

    window.ChangeCho2ForCho1(&box, 3, 4);
    EXPECT_EQ(box.count(), 5);
    EXPECT_EQ(box.itemText(0), QStringLiteral("전체"));
    EXPECT_EQ(box.itemText(1), QStringLiteral("상가"));
    EXPECT_EQ(box.currentIndex(), 0);

    window.ChangeCho2ForCho1(&box, 2, 1);
    EXPECT_EQ(box.count(), 0) << "an empty category leaves the list empty";
    EXPECT_EQ(box.currentIndex(), -1);

    window.ChangeCho2ForCho1(&box, 2, 4);
    EXPECT_EQ(itemsOf(box), QStringList{QStringLiteral("전체")});
    EXPECT_EQ(box.currentIndex(), 0);

    window.ChangeCho2ForCho1(&box, 0, 1);
    EXPECT_EQ(itemsOf(box), QStringList{QString()});
    EXPECT_EQ(box.currentIndex(), 0);

    window.ChangeCho2ForCho1(&box, 0, 4);
    EXPECT_EQ(itemsOf(box), (QStringList{QStringLiteral("전체"), QString()}));
    EXPECT_EQ(box.currentIndex(), 0);

    window.ChangeCho2ForCho1(&box, 7, 1);
    EXPECT_EQ(box.count(), 0) << "an index outside 0..4 gives nothing";
    window.ChangeCho2ForCho1(nullptr, 1, 1);
}
