#include "common/list_printer.h"
#include "listings/grid_settings.h"
#include "listings/tfmbu_cod.h"
#include "listings/tfmbu_imd.h"
#include "tests/listings/listing_list_fixture.h"
#include "tools/tfmcalendar1.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QFrame>
#include <QLineEdit>
#include <QRadioButton>
#include <QToolButton>

#include <optional>

// The listing list's tools: column settings, the detail columns, printing,
// the copy for the full report and the forms it opens.

namespace {

using Op = RecordingPrintDevice::Op;

class ListingListToolsTest : public ListingListFixture {
protected:
    static QString readSettingsFile() {
        QFile file(gridSettingsPath());
        return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
    }

    static void writeSettingsFile(const QString& text) {
        QFile file(gridSettingsPath());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(text.toUtf8());
    }

    static std::optional<Op> textOp(const RecordingPrintDevice& device, const QString& text) {
        for (const Op& op : device.ops(Op::Text)) {
            if (op.text == text) return op;
        }
        return std::nullopt;
    }

    // What the entry form was handed, read while it is open.
    struct Handed {
        int mode = 0;
        QString scancode;
        bool deletedFlag = true;
    };

    // Opens the entry form with `button` (or a double click on `row`) and
    // lets `inside` act while it is open.
    Handed openEntry(TFMbu_lst& form, const char* button,
                     const std::function<void(TFMbu_imd&)>& inside = {}, int doubleClickRow = -1) {
        Handed handed;
        ModalHandler handler([&](QWidget* modal) {
            auto* entry = qobject_cast<TFMbu_imd*>(modal);
            ASSERT_NE(entry, nullptr);
            handed = {entry->entryMode, entry->scancode, entry->deleted};
            if (inside) inside(*entry);
            entry->reject();
        });
        if (doubleClickRow >= 0) {
            auto* grid = control<QTableView>(form, "DBGrid1");
            const QRect cell = grid->visualRect(grid->model()->index(doubleClickRow, 1));
            // A double click is a press and release, then the double-click press.
            QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, cell.center());
            QTest::mouseDClick(grid->viewport(), Qt::LeftButton, {}, cell.center());
        } else {
            click(form, button);
        }
        EXPECT_TRUE(handler.appeared());
        return handed;
    }
};

}  // namespace

TEST_F(ListingListToolsTest, MissingSettingsFileKeepsTheDefaultColumns) {
    ASSERT_FALSE(QFile::exists(gridSettingsPath()));
    auto form = openForm();
    EXPECT_EQ(columnTitles(*form).size(), 18);
    EXPECT_FALSE(form->QRbudong.field(QStringLiteral("Scancode")).visible);
    EXPECT_EQ(form->QRbudong.field(QStringLiteral("Cname")).displayWidth, 8);
    EXPECT_EQ(form->QRbudong.field(QStringLiteral("Inday")).displayWidth, 10);
    EXPECT_FALSE(QFile::exists(gridSettingsPath()));  // reading does not create it
}

TEST_F(ListingListToolsTest, SettingsPanelWritesVisibilityAndWidths) {
    auto form = openForm();
    click(*form, "BTgridSet");
    auto* panel = control<QFrame>(*form, "PNgridSet");
    EXPECT_TRUE(panel->isVisible());
    EXPECT_FALSE(control<QPushButton>(*form, "BTgridSet")->isEnabled());
    EXPECT_FALSE(control<QPushButton>(*form, "BTquit")->isEnabled());
    EXPECT_EQ(panel->findChildren<QCheckBox*>().size(), 32);
    EXPECT_EQ(panel->findChildren<QLineEdit*>().size(), 32);
    EXPECT_EQ(form->focusWidget(), control<QLineEdit>(*panel, "EDgridSet0"));
    // Ten rows to a column, rows 14 apart from 31, columns 145 apart.
    EXPECT_EQ(control<QCheckBox>(*panel, "CKBgridSet12")->pos(), QPoint(165, 59));
    EXPECT_EQ(control<QLineEdit>(*panel, "EDgridSet12")->geometry(), QRect(270, 59, 30, 16));
    EXPECT_EQ(control<QLineEdit>(*panel, "EDgridSet31")->pos(), QPoint(560, 45));
    EXPECT_EQ(control<QCheckBox>(*panel, "CKBgridSet3")->text(), QStringLiteral("분류"));
    EXPECT_EQ(control<QLineEdit>(*panel, "EDgridSet3")->text(), QStringLiteral("8"));

    control<QCheckBox>(*panel, "CKBgridSet0")->setChecked(true);   // 등록코드 shown
    control<QCheckBox>(*panel, "CKBgridSet1")->setChecked(false);  // 접수일 hidden
    auto* kindWidth = control<QLineEdit>(*panel, "EDgridSet3");
    kindWidth->setFocus();
    kindWidth->selectAll();
    QTest::keyClick(kindWidth, Qt::Key_Backspace);
    EXPECT_EQ(kindWidth->text(), QStringLiteral("2"));  // an emptied width becomes 2
    auto* dealWidth = control<QLineEdit>(*panel, "EDgridSet2");
    dealWidth->setFocus();
    dealWidth->selectAll();
    QTest::keyClicks(dealWidth, "7x");
    EXPECT_EQ(dealWidth->text(), QStringLiteral("7"));  // only digits are taken

    click(*form, "BTgridSetClose");
    EXPECT_FALSE(panel->isVisible());
    EXPECT_TRUE(panel->findChildren<QCheckBox*>().isEmpty());
    EXPECT_TRUE(control<QPushButton>(*form, "BTgridSet")->isEnabled());
    EXPECT_TRUE(control<QPushButton>(*form, "BTquit")->isEnabled());

    const GridSettings written = readGridSettings(kListingGridSection);
    EXPECT_EQ(written.visible, QStringLiteral("10110011111001111111000000000111"));
    EXPECT_EQ(written.visible.size(), 32);
    EXPECT_EQ(
        written.widths,
        QStringLiteral("17,10,7,2,12,15,11,11,11,11,11,17,17,11,11,11,11,11,10,10,15,17,17,17,17,"
                       "10,10,10,10,11,10,10,"));
    EXPECT_TRUE(readSettingsFile().startsWith(QStringLiteral("[BU_LST]\nVisible=1011")));
    EXPECT_EQ(columnTitles(*form).first(), QStringLiteral("등록코드"));
    EXPECT_FALSE(columnTitles(*form).contains(QStringLiteral("접수일")));
    EXPECT_EQ(form->QRbudong.field(QStringLiteral("Cname")).displayWidth, 2);

    // A new list reads them at activation.
    form.reset();
    auto again = openForm();
    EXPECT_EQ(columnTitles(*again).first(), QStringLiteral("등록코드"));
    EXPECT_EQ(again->QRbudong.field(QStringLiteral("Im")).displayWidth, 7);
}

TEST_F(ListingListToolsTest, SettingsKeepOtherSectionsAndSurviveADamagedFile) {
    writeSettingsFile(QStringLiteral(
        "[OTHER]\nKey=1\n\n[BU_LST]\nVisible=11111111111111111111111111111111111111\n"
        "Width=x,,-3,6,\n"));
    auto form = openForm();
    EXPECT_TRUE(dlg().errors.isEmpty());
    EXPECT_EQ(columnTitles(*form).size(), 32);
    EXPECT_EQ(form->QRbudong.field(QStringLiteral("Scancode")).displayWidth, 17);
    EXPECT_EQ(form->QRbudong.field(QStringLiteral("Im")).displayWidth, 5);
    EXPECT_EQ(form->QRbudong.field(QStringLiteral("Cname")).displayWidth, 6);

    click(*form, "BTgridSet");
    click(*form, "BTgridSetClose");
    const QString file = readSettingsFile();
    EXPECT_TRUE(file.startsWith(
        QStringLiteral("[OTHER]\nKey=1\n\n[BU_LST]\nVisible=11111111111111111111111111111111\n")))
        << file.toStdString();
}

TEST_F(ListingListToolsTest, ShowMoreTogglesTheNineDetailColumns) {
    auto form = openForm();
    click(*form, "BThideView");
    EXPECT_EQ(columnTitles(*form).size(), 27);
    for (const char* title : {"부동산명", "건물명", "회사전화", "회사전화(임차)", "집전화",
                              "집전화(임차)", "휴대폰(소유)", "휴대폰(임차)", "주   소"}) {
        EXPECT_TRUE(columnTitles(*form).contains(QString::fromUtf8(title))) << title;
    }
    EXPECT_EQ(cell(*form, 0, QStringLiteral("주   소")), QStringLiteral("서울시 강남구 역삼동"));
    click(*form, "BThideView");
    EXPECT_EQ(columnTitles(*form).size(), 18);
}

TEST_F(ListingListToolsTest, ListPrintsTheResultLandscapeWithWiderKindAndAddress) {
    auto form = openForm();
    click(*form, "BTprint");
    ASSERT_EQ(dlg().printed.size(), 1u);
    const RecordingPrintDevice& device = *dlg().printed.front();
    EXPECT_EQ(device.jobTitle(), QStringLiteral("물건 LIST"));
    ASSERT_FALSE(device.ops(Op::Orient).isEmpty());
    EXPECT_EQ(device.ops(Op::Orient).first().pen, 2);                     // landscape for the job
    EXPECT_EQ(device.orientation(), PrintDevice::Orientation::Portrait);  // and back afterwards
    EXPECT_TRUE(textOp(device, QStringLiteral("물건 LIST")).has_value());
    EXPECT_TRUE(textOp(device, QStringLiteral("[검색대상]:전체/전체")).has_value());
    // 600 dpi, 4 mm rows: a character 37 dots, padding 12, X0 10, Y0 960;
    // number column 135, 접수일 10 characters, 구분 5, 분류 18 while printing.
    ASSERT_TRUE(textOp(device, QStringLiteral("No.")).has_value());
    EXPECT_EQ(textOp(device, QStringLiteral("No."))->a, QPoint(22, 972));
    EXPECT_EQ(textOp(device, QStringLiteral("접수일"))->a, QPoint(157, 972));
    EXPECT_EQ(textOp(device, QStringLiteral("구분"))->a, QPoint(551, 972));
    EXPECT_EQ(textOp(device, QStringLiteral("분류"))->a, QPoint(760, 972));
    EXPECT_EQ(textOp(device, QStringLiteral("대지평수"))->a, QPoint(1450, 972));
    EXPECT_TRUE(textOp(device, QStringLiteral("1/1")).has_value());
    // The rows in the order of the list, numbered.
    const auto first = textOp(device, QStringLiteral("2026-01-10"));
    ASSERT_TRUE(first.has_value());
    EXPECT_EQ(first->a, QPoint(157, 960 + 96 + 12));
    EXPECT_TRUE(dlg().saw(listPrintedMessage()));
    // The grid's widths are back.
    EXPECT_EQ(form->QRbudong.field(QStringLiteral("Cname")).displayWidth, 8);
    EXPECT_EQ(form->QRbudong.field(QStringLiteral("Addr")).displayWidth, 15);
    EXPECT_EQ(QApplication::focusWidget(), control<QTableView>(*form, "DBGrid1"));
}

TEST_F(ListingListToolsTest, CancelledPrinterDialogPrintsNothingAndPreviewShowsTheList) {
    auto form = openForm();
    dlg().cancelPrint = true;
    click(*form, "BTprint");
    EXPECT_TRUE(dlg().printed.empty());
    EXPECT_FALSE(dlg().saw(listPrintedMessage()));
    EXPECT_EQ(form->QRbudong.field(QStringLiteral("Cname")).displayWidth, 8);

    auto* deal = control<QComboBox>(*form, "CBim");
    deal->setCurrentIndex(deal->findText(QStringLiteral("임대")));
    click(*form, "BTpreview");
    ASSERT_EQ(dlg().previewed.size(), 1u);
    EXPECT_TRUE(
        textOp(*dlg().previewed.front(), QStringLiteral("[검색대상]:임대/전체")).has_value());
}

TEST_F(ListingListToolsTest, FullReportCopyHoldsTheCurrentResultInItsOrder) {
    auto form = openForm();
    control<QRadioButton>(*form, "RBadd")->setChecked(true);
    click(*form, "BTinq");
    click(*form, "BTallprt");
    EXPECT_TRUE(dlg().errors.isEmpty());
    EXPECT_EQ(rows(QStringLiteral("all_list")), 4);
    EXPECT_EQ(scalar(QStringLiteral("SELECT group_concat(scancode, ',') FROM (SELECT scancode FROM "
                                    "all_list ORDER BY rowid)"))
                  .toString(),
              QStringLiteral("A006,A001,A002,A003"));
    EXPECT_EQ(
        scalar(QStringLiteral("SELECT tmprice FROM all_list WHERE scancode = 'A001'")).toInt(),
        500000);
    // A second copy replaces the first.
    control<QCheckBox>(*form, "CKBreqing")->setChecked(false);
    click(*form, "BTinq");
    click(*form, "BTallprt");
    EXPECT_EQ(rows(QStringLiteral("all_list")), 1);
}

TEST_F(ListingListToolsTest, EntryFormModesFollowTheButtonAndTheListIsSearchedAgain) {
    auto form = openForm();
    const Handed added = openEntry(*form, "BTinp", [this](TFMbu_imd&) {
        insert({"A007", "임대", "상가", "", "서울시 중구 명동", "", "", "", "", "", "2026-12-08",
                "", "Y", "N", 1, 1, 1, 1});
    });
    EXPECT_EQ(added.mode, 1);
    EXPECT_TRUE(added.scancode.isEmpty());
    EXPECT_FALSE(added.deletedFlag);
    EXPECT_EQ(statusCount(*form), QStringLiteral("검색대상: 5"));

    selectRow(*form, 2);
    const Handed changed = openEntry(*form, "BTmod");
    EXPECT_EQ(changed.mode, 2);
    EXPECT_EQ(changed.scancode, QStringLiteral("A003"));

    selectRow(*form, 1);
    const Handed deleting = openEntry(*form, "BTdel", [this](TFMbu_imd& entry) {
        sql(QStringLiteral("DELETE FROM budong WHERE scancode = 'A002'"));
        entry.deleted = true;
    });
    EXPECT_EQ(deleting.mode, 2);
    EXPECT_EQ(deleting.scancode, QStringLiteral("A002"));
    EXPECT_EQ(shown(*form), (QStringList{"A001", "A003", "A006", "A007"}));

    const Handed viewed = openEntry(*form, nullptr, {}, 2);
    EXPECT_EQ(viewed.mode, 4);
    EXPECT_EQ(viewed.scancode, QStringLiteral("A006"));
    // Back on the row it left.
    EXPECT_EQ(control<QTableView>(*form, "DBGrid1")->currentIndex().row(), 2);
}

TEST_F(ListingListToolsTest, ReturningFromAFormActivatesTheListAgain) {
    auto form = openForm();
    auto* deal = control<QComboBox>(*form, "CBim");
    deal->setCurrentIndex(deal->findText(QStringLiteral("매매")));
    click(*form, "BTinq");
    EXPECT_EQ(shown(*form), QStringList{"A001"});

    ModalHandler codes([this](QWidget* modal) {
        EXPECT_NE(qobject_cast<TFMbu_cod*>(modal), nullptr);
        sql(QStringLiteral("INSERT INTO bucode (gubun, code) VALUES ('M', '빌딩')"));
        modal->close();
    });
    click(*form, "BTcode");
    EXPECT_TRUE(codes.appeared());
    // Activation: "전체" again, its list refilled and the search run.
    EXPECT_EQ(deal->currentText(), QStringLiteral("전체"));
    EXPECT_EQ(control<QComboBox>(*form, "CBcname")->count(), 1);
    EXPECT_EQ(shown(*form).size(), 4);
    deal->setCurrentIndex(deal->findText(QStringLiteral("매매")));
    EXPECT_NE(control<QComboBox>(*form, "CBcname")->findText(QStringLiteral("빌딩")), -1);
}

TEST_F(ListingListToolsTest, PeriodFromTheCalendarFillsTheDateFields) {
    auto form = openForm();
    ModalHandler calendar([](QWidget* modal) {
        auto* period = qobject_cast<TFMcalendar1*>(modal);
        ASSERT_NE(period, nullptr);
        period->LBday1->setText(QStringLiteral("2026-12-01"));
        period->LBday2->setText(QStringLiteral("2026-12-31"));
        period->reject();
    });
    QTest::mouseClick(control<QToolButton>(*form, "SpeedButton1"), Qt::LeftButton);
    EXPECT_TRUE(calendar.appeared());
    EXPECT_EQ(control<QLineEdit>(*form, "EDday1")->text(), QStringLiteral("2026-12-01"));
    EXPECT_EQ(control<QLineEdit>(*form, "EDday2")->text(), QStringLiteral("2026-12-31"));
    EXPECT_EQ(shown(*form), (QStringList{"A002", "A006"}));
}
