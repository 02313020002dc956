// The main window TFMbu_main: caption, buttons and their hints, the clock,
// the task signals, the pictures and the person code lists.

#include "app/main_notices.h"
#include "app/tfmbu_main.h"
#include "app/picture_button.h"
#include "app/status_panels.h"
#include "common/shared_values.h"
#include "tests/support/store_fixture.h"

#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QSettings>
#include <QTest>
#include <QTimer>
#include <QToolButton>

namespace {
const QList<int> kTags{1, 2, 3, 4, 5, 6, 7, 9};

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
    template <typename Widget = QPushButton>
    Widget* control(TFMbu_main& window, const char* name) {
        auto* found = window.findChild<Widget*>(QLatin1String(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }
    QSize imageSize(TFMbu_main& window) {
        return control<QLabel>(window, "Image1")->pixmap().size();
    }
    void writeOfficeBitmap(const QString& name, const QSize& size, const QColor& colour) {
        QImage image(size, QImage::Format_RGB32);
        image.fill(colour);
        ASSERT_TRUE(image.save(office().filePath(name), "BMP"));
    }
};

TEST_F(MainWindowTest, CaptionButtonsAndTheHintOfTheButtonUnderTheMouse) {
    TFMbu_main window;
    window.show();
    EXPECT_EQ(window.windowTitle(), QStringLiteral("공인중개사  사무실  업무관리 [Quarnel 3.0]"));
    EXPECT_EQ(window.programDirectory(), office().programDirectory());
    EXPECT_TRUE(window.programDirectory().endsWith(u'/'));
    EXPECT_EQ(control<QToolButton>(window, "SpeedButton1")->text(), QStringLiteral("뷰어"));
    EXPECT_EQ(control(window, "BitBtn1")->text(), QStringLiteral("설명서"));
    EXPECT_EQ(control(window, "BitBtn2")->text(), QStringLiteral("계약만료물건 ?"));
    EXPECT_EQ(control(window, "BitBtn2")->toolTip(), QStringLiteral("30일 이내 계약만료물건 검색"));

    const QStringList hints{QStringLiteral("부동산 물건관리 및 원하는 물건 검색"),
                            QStringLiteral("구매자 관리 및 일치하는 물건 검색"),
                            QStringLiteral("큰달력 일정관리"),
                            QStringLiteral("금전출납관리"),
                            QStringLiteral("인명부관리 및 DM ..."),
                            QStringLiteral("주요정보 메모관리"),
                            QStringLiteral("계약서를 관리합니다"),
                            QStringLiteral("프로그램을 완전히 종료합니다")};
    const auto hover = [](QWidget* widget) {
        const QPointF local(5, 5);
        QMouseEvent move(QEvent::MouseMove, local, widget->mapToGlobal(local), Qt::NoButton,
                         Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(widget, &move);
    };
    for (int i = 0; i < kTags.size(); ++i) {
        PictureButton* picture = button(window, kTags[i]);
        ASSERT_NE(picture, nullptr);
        EXPECT_EQ(picture->property("Tag").toInt(), kTags[i]);
        hover(picture);
        EXPECT_EQ(control<QLabel>(window, "StatusPanel1")->text(), hints[i]) << "BT" << kTags[i];
    }
    // The hint follows the Tag, not the button's name.
    button(window, 1)->setProperty("Tag", 6);
    hover(button(window, 1));
    EXPECT_EQ(window.statusText(1), hints[5]);
    EXPECT_EQ(window.statusText(0), QStringLiteral("오늘 일정 0건, 내일 0건"));
}

TEST(StatusPanelWidths, OwnWidthsShrinkingTheHintFirstThenTheNotices) {
    const struct {
        int bar;
        std::array<int, 3> panels;
    } cases[] = {{900, {190, 350, 360}}, {740, {190, 350, 200}}, {609, {190, 219, 200}},
                 {400, {190, 10, 200}},  {300, {100, 0, 200}},   {150, {0, 0, 150}}};
    for (const auto& c : cases)
        EXPECT_EQ(statusPanelWidths(c.bar), c.panels) << c.bar;
}

TEST_F(MainWindowTest, ClockPanelShowsTheLongTimeOfTheClock) {
    TFMbu_main window;
    window.show();
    EXPECT_EQ(window.statusText(2), QStringLiteral("오전 10:00:00")) << "shown from the start";
    clock().set(QDateTime(QDate(2026, 12, 8), QTime(14, 5, 9)));
    window.Timer1Timer();
    EXPECT_EQ(control<QLabel>(window, "StatusPanel2")->text(), QStringLiteral("오후 2:05:09"));
    clock().set(QDateTime(QDate(2026, 12, 8), QTime(0, 7, 30)));
    QTest::qWait(1200);
    EXPECT_EQ(window.statusText(2), QStringLiteral("오전 12:07:30")) << "the timer updates it";
}

TEST_F(MainWindowTest, ExitButtonClosesTheWindow) {
    TFMbu_main window;
    window.show();
    QTest::mouseClick(button(window, 9), Qt::LeftButton);
    EXPECT_FALSE(window.isVisible());
}

TEST_F(MainWindowTest, DiaryAndManualAreBuiltInUnlessTheOfficeHasItsOwn) {
    if (onServer()) GTEST_SKIP() << "a diary program of its own is refused with a server store (tested below)";
    struct Case {
        const char* what;
        const char* diaryProgram;  // [Programs] diary=, or none
        bool manualDoc;            // the office folder holds manual.doc
        bool started;              // what starting or opening gives
        QStringList expectedStarts;
        int builtInDiary;
        int builtInManual;
        int warnings;
    };
    const QString office = this->office().path();
    const Case cases[] = {
        {"nothing of its own", nullptr, false, true, {}, 1, 1, 0},
        {"its own program and manual", "bin/diary", true, true,
         {office + QStringLiteral("/bin/diary")}, 0, 0, 0},
        {"a program on the search path", "kalendar", false, true, {QStringLiteral("kalendar")}, 0, 1, 0},
        {"neither starts", "/opt/none/diary", true, false, {QStringLiteral("/opt/none/diary")}, 1, 1, 2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        dlg().reset();
        QSettings ini(this->office().iniPath(), QSettings::IniFormat);
        if (c.diaryProgram)
            ini.setValue(QStringLiteral("Programs/diary"), QString::fromUtf8(c.diaryProgram));
        else
            ini.remove(QStringLiteral("Programs"));
        ini.sync();
        const QString manual = this->office().filePath(QStringLiteral("manual.doc"));
        QFile::remove(manual);
        if (c.manualDoc) {
            QFile file(manual);
            ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        }

        TFMbu_main window;
        QStringList started;
        QList<QUrl> opened;
        window.startProgram = [&](const QString& program) {
            started.append(program);
            return c.started;
        };
        window.openDocument = [&](const QUrl& document) {
            opened.append(document);
            return c.started;
        };
        int diaries = 0, manuals = 0;
        QObject::connect(&window, &TFMbu_main::diaryRequested, [&] { ++diaries; });
        QObject::connect(&window, &TFMbu_main::manualRequested, [&] { ++manuals; });
        window.show();
        QTest::mouseClick(button(window, 3), Qt::LeftButton);
        QTest::mouseClick(control(window, "BitBtn1"), Qt::LeftButton);
        EXPECT_EQ(started, c.expectedStarts);
        EXPECT_EQ(opened, c.manualDoc ? QList<QUrl>{QUrl::fromLocalFile(manual)} : QList<QUrl>{});
        EXPECT_EQ(diaries, c.builtInDiary);
        EXPECT_EQ(manuals, c.builtInManual);
        EXPECT_EQ(dlg().messages.size(), c.warnings);
        for (const auto& message : dlg().messages) EXPECT_EQ(message.icon, Dialogs::Icon::Warning);
        EXPECT_TRUE(dlg().errors.isEmpty());
    }
}

TEST_F(MainWindowTest, FirstPanelCountsTodaysAndTomorrowsEntries) {
    const auto entry = [this](const char* key, const char* day) {
        sql(QStringLiteral("INSERT INTO diary1 (scancode, day1, remark) VALUES (?, ?, '잔금')"),
            {QString::fromLatin1(key), QString::fromLatin1(day)});
    };
    entry("A1M", "2026-12-08");
    entry("A1L", "2026-12-09");
    entry("B1", "2026-12-09");
    entry("C1", "2026-12-10");
    TFMbu_main window;
    QObject::connect(&window, &TFMbu_main::listingsRequested,
                     [&] { entry("D1", "2026-12-08"); });
    window.show();
    EXPECT_EQ(window.statusText(0), QStringLiteral("오늘 일정 1건, 내일 2건"));
    QTest::mouseClick(button(window, 1), Qt::LeftButton);
    EXPECT_EQ(window.statusText(0), QStringLiteral("오늘 일정 2건, 내일 2건"))
        << "read again when a task form closes";
    clock().set(QDateTime(QDate(2026, 12, 9), QTime(0, 0, 1)));
    window.Timer1Timer();
    EXPECT_EQ(window.statusText(0), QStringLiteral("오늘 일정 2건, 내일 1건")) << "after midnight";

    EXPECT_EQ(control<QLabel>(window, "StatusPanel0")->toolTip(), window.statusText(0));
    const MainNotice joined = joinNotices({{QStringLiteral("오늘 일정 1건, 내일 0건"), {}},
                                           {QString(), QStringLiteral("nothing to say")},
                                           {QStringLiteral("백업 3일 전"), QStringLiteral("마지막 백업: 12월 5일")}});
    EXPECT_EQ(joined.text, QStringLiteral("오늘 일정 1건, 내일 0건  ·  백업 3일 전"));
    EXPECT_EQ(joined.detail, QStringLiteral("오늘 일정 1건, 내일 0건\n마지막 백업: 12월 5일"));
}

TEST_F(MainWindowTest, TaskButtonsAskForTheirFormsAndReactivateAfterward) {
    TFMbu_main window;
    window.show();
    // Buttons whose form nobody opens yet do nothing.
    for (const int tag : {1, 2, 4, 5, 6, 7})
        QTest::mouseClick(button(window, tag), Qt::LeftButton);
    QTest::mouseClick(control(window, "BitBtn2"), Qt::LeftButton);
    EXPECT_TRUE(window.isVisible());
    EXPECT_TRUE(dlg().messages.isEmpty());
    EXPECT_TRUE(dlg().errors.isEmpty());

    ASSERT_EQ(imageSize(window), QSize(456, 385));
    int listings = 0, contracts = 0, viewer = 0, expiring = 0;
    QObject::connect(&window, &TFMbu_main::listingsRequested, [&] {
        ++listings;
        // While the task form is open the office puts its own picture in place.
        writeOfficeBitmap(QStringLiteral("BUDMAIN.BMP"), QSize(20, 15), Qt::red);
    });
    QObject::connect(&window, &TFMbu_main::contractsRequested, [&] { ++contracts; });
    QObject::connect(&window, &TFMbu_main::viewerRequested, [&] { ++viewer; });
    QObject::connect(&window, &TFMbu_main::expiringLeasesRequested, [&] { ++expiring; });
    QTest::mouseClick(button(window, 1), Qt::LeftButton);
    EXPECT_EQ(imageSize(window), QSize(20, 15)) << "the pictures are read again on return";
    QTest::mouseClick(button(window, 7), Qt::LeftButton);
    QTest::mouseClick(control<QToolButton>(window, "SpeedButton1"), Qt::LeftButton);
    QTest::mouseClick(control(window, "BitBtn2"), Qt::LeftButton);
    EXPECT_EQ((QList<int>{listings, contracts, viewer, expiring}), (QList<int>{1, 1, 1, 1}));
}

TEST_F(MainWindowTest, OfficePicturesReplaceTheBuiltInOnes) {
    writeOfficeBitmap(QStringLiteral("BT5.BMP"), QSize(10, 10), Qt::green);
    TFMbu_main window;
    window.show();
    EXPECT_EQ(imageSize(window), QSize(456, 385)) << "built in";
    const QList<int> widths{100, 125, 100, 100, 100, 100, 75, 54};
    for (int i = 0; i < kTags.size(); ++i) {
        const QSize expected = kTags[i] == 5 ? QSize(10, 10) : QSize(widths[i], 33);
        EXPECT_EQ(button(window, kTags[i])->picture().size(), expected) << "BT" << kTags[i];
    }
    EXPECT_EQ(button(window, 5)->picture().toImage().pixelColor(3, 3), QColor(Qt::green));
    EXPECT_TRUE(dlg().errors.isEmpty());
}

TEST_F(MainWindowTest, UnreadablePictureIsReportedAndTheRestAreNotLoaded) {
    QFile broken(office().filePath(QStringLiteral("BT3.BMP")));
    ASSERT_TRUE(broken.open(QIODevice::WriteOnly));
    broken.write("this is not a bitmap");
    broken.close();
    TFMbu_main window;
    window.show();
    ASSERT_EQ(dlg().errors.size(), 1);
    EXPECT_TRUE(dlg().errors.first().contains(broken.fileName()))
        << dlg().errors.first().toStdString();
    EXPECT_EQ(imageSize(window), QSize(456, 385));
    EXPECT_FALSE(button(window, 2)->picture().isNull());
    for (const int tag : {3, 4, 5, 6, 7, 9})
        EXPECT_TRUE(button(window, tag)->picture().isNull()) << "BT" << tag;

    // Once the office mends the file, the next activation loads everything.
    broken.remove();
    window.formActivate();
    EXPECT_EQ(dlg().errors.size(), 1);
    EXPECT_EQ(button(window, 9)->picture().size(), QSize(54, 33));
}

// ---- the person code lists -------------------------------------------------

TEST_F(MainWindowTest, CodeListsAreReadFromMancodeByCategoryInCodeOrder) {
    sql(
        QStringLiteral("INSERT INTO mancode (gubun, code) VALUES ('C', '가구업'), ('R', '이웃'), "
                       "('X', '기타')"));
    sharedValues().photoChanged = true;
    TFMbu_main window;
    // The forms reach the lists and the flag through the shared values.
    const PersonCodeLists& lists = sharedValues().personCodes;
    EXPECT_EQ(&window.personCodeLists(), &lists);
    EXPECT_FALSE(sharedValues().photoChanged) << "cleared when the window is created";
    EXPECT_EQ(lists.list(0), QStringList{QString()});
    EXPECT_EQ(lists.list(1),
              (QStringList{"가구업", "건설업", "금융업", "도소매업", "서비스업", "제조업"}));
    EXPECT_EQ(lists.list(2), (QStringList{"동창회", "상공회", "친목회"}));
    EXPECT_EQ(lists.list(3), (QStringList{"상가", "아파트", "주택", "토지"}));
    EXPECT_EQ(lists.list(4), (QStringList{"거래처", "고객", "이웃", "친구", "친척"}));
    EXPECT_TRUE(lists.list(5).isEmpty());
    EXPECT_TRUE(dlg().errors.isEmpty());

    sql(QStringLiteral("DELETE FROM mancode WHERE gubun = 'G'"));
    sql(QStringLiteral("INSERT INTO mancode (gubun, code) VALUES ('P', '공장')"));
    window.loadPersonCodeLists();
    EXPECT_TRUE(lists.list(2).isEmpty()) << "rebuilt: an empty category gives an empty list";
    EXPECT_EQ(lists.list(3).first(), QStringLiteral("공장"));
}

TEST_F(MainWindowTest, StoreErrorWhileBuildingTheListsIsShownAndTheListsStayUsable) {
    sql(QStringLiteral("DROP TABLE mancode"));
    TFMbu_main window;
    ASSERT_EQ(dlg().errors.size(), 1);
    EXPECT_TRUE(dlg().errors.first().contains(QStringLiteral("mancode"), Qt::CaseInsensitive))
        << dlg().errors.first().toStdString();
    EXPECT_EQ(window.personCodeLists().list(0), QStringList{QString()});
    for (int index = 1; index <= 4; ++index)
        EXPECT_TRUE(window.personCodeLists().list(index).isEmpty());
    QComboBox box;
    window.ChangeCho2ForCho1(&box, 1, 4);
    EXPECT_EQ(itemsOf(box), QStringList{QStringLiteral("전체")});
}

// Mode 4 puts "전체" first; an empty list stays empty in mode 1; index 0 is
// the list of one empty text; an index outside 0..4 gives nothing.
TEST_F(MainWindowTest, ChangeCho2ForCho1FillsTheDropDownList) {
    sql(QStringLiteral("DELETE FROM mancode WHERE gubun = 'G'"));
    TFMbu_main window;
    const QStringList products{"상가", "아파트", "주택", "토지"};
    const struct {
        int index;
        int mode;
        QStringList items;
    } cases[] = {
        {3, 1, products},    {3, 4, QStringList{"전체"} + products},
        {2, 1, {}},          {2, 4, {"전체"}},
        {0, 1, {QString()}}, {0, 4, {"전체", QString()}},
        {7, 1, {}},
    };
    QComboBox box;
    for (const auto& c : cases) {
        box.clear();
        box.addItems({QStringLiteral("이전1"), QStringLiteral("이전2")});
        window.ChangeCho2ForCho1(&box, c.index, c.mode);
        EXPECT_EQ(itemsOf(box), c.items) << c.index << " mode " << c.mode;
        EXPECT_EQ(box.currentIndex(), c.items.isEmpty() ? -1 : 0) << c.index << " mode " << c.mode;
    }
    window.ChangeCho2ForCho1(nullptr, 1, 1);
}

TEST_F(MainWindowTest, ADiaryProgramOfItsOwnIsRefusedWithAStoreOnAServer) {
    if (!onServer()) GTEST_SKIP() << "needs the store on the database server; runs in app_on_server";
    QSettings ini(office().iniPath(), QSettings::IniFormat);
    ini.setValue(QStringLiteral("Programs/diary"), QStringLiteral("/usr/bin/diary"));
    ini.sync();
    TFMbu_main window;
    QStringList started;
    window.startProgram = [&](const QString& program) {
        started.append(program);
        return true;
    };
    int diaries = 0;
    QObject::connect(&window, &TFMbu_main::diaryRequested, [&] { ++diaries; });
    window.show();
    QTest::mouseClick(button(window, 3), Qt::LeftButton);
    EXPECT_TRUE(started.isEmpty());
    EXPECT_EQ(diaries, 1);
    ASSERT_EQ(dlg().messages.size(), 1);
    EXPECT_EQ(dlg().messages[0].text, serverDiaryRefusal(QStringLiteral("/usr/bin/diary")));
}
