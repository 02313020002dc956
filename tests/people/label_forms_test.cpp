// The label screen TForm2, the label form screen TFMsizeset and the printer
// settings form TFMini through their controls: the label laid out and
// edited, a run printed and previewed from a start position, the sheet
// changed and saved, and the printer's measurements kept in Lablo.ini.

#include "common/ini_file.h"
#include "people/label_geometry.h"
#include "people/print_object.h"
#include "people/tfmini.h"
#include "people/tfmsizeset.h"
#include "people/tform2.h"
#include "tests/people/people_support.h"
#include "tests/support/recording_print_device.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QSpinBox>
#include <QToolButton>

#include <memory>

namespace {

using Op = RecordingPrintDevice::Op;

const QString kPrinted = QStringLiteral("프린트를 완료하였습니다...?");

QString fileText(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

void writeFile(const QString& path, const QByteArray& content) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(content);
}

void sendMouse(QWidget* widget, QEvent::Type type, QPoint at, Qt::MouseButtons buttons) {
    QMouseEvent event(type, QPointF(at), widget->mapToGlobal(QPointF(at)), Qt::LeftButton, buttons,
                      Qt::NoModifier);
    QApplication::sendEvent(widget, &event);
}

class LabelFormsTest : public PeopleStoreTest {
protected:
    void addMailOut(const QString& name, const QString& dmsource) {
        sql(QStringLiteral("INSERT INTO xxx (name, dmsource, homezip, homeaddr, homeaddr1, comzip, "
                           "comaddr, comaddr1, buse, grade) VALUES (?, ?, '100-100', '서울 중구', "
                           "'1번지', '200-200', '부산 동구', '2층', '영업부', '과장')"),
            {name, dmsource});
    }
    std::unique_ptr<TForm2> openLabels() {
        auto form = std::make_unique<TForm2>();
        form->show();
        form->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(form.get()));
        return form;
    }
    QString settings() { return fileText(labelSettingsPath()); }
};

}  // namespace

TEST_F(LabelFormsTest, TheLabelIsLaidOutEditedAndPrintedFromTheStartPosition) {
    addMailOut(QStringLiteral("김철수"), QStringLiteral("직장"));
    addMailOut(QStringLiteral("이영희"), QStringLiteral("자택"));
    auto form = openLabels();
    EXPECT_EQ(form->windowTitle(), QStringLiteral("Label Print"));
    EXPECT_TRUE(settings().contains(QStringLiteral("[LABLOPRINTER]")));
    EXPECT_EQ(control<QFrame>(*form, "Panel1")->size(), QSize(169, 58));
    EXPECT_EQ(control<QComboBox>(*form, "CBfontSize")->currentText(), QStringLiteral("8"));
    ASSERT_NE(form->item(7), nullptr);
    EXPECT_EQ(form->item(1)->text(), QStringLiteral("우편번호"));
    EXPECT_EQ(form->item(1)->pos(), QPoint(10, 10));
    // Every role item starts inside the label, the lower ones pulled up.
    for (int number = 1; number <= 7; ++number) {
        const QRect placed = form->item(number)->geometry();
        EXPECT_GE(placed.top(), 1) << number;
        EXPECT_LE(placed.top() + placed.height(), 58 - 4) << number;
    }
    EXPECT_EQ(form->item(7)->text(), QStringLiteral("귀하"));
    EXPECT_EQ(form->item(8), nullptr);

    // A text of the user's own, from the field with no item current.
    auto* field = control<QLineEdit>(*form, "EDcurLabel");
    field->setFocus();
    EXPECT_EQ(control<QLabel>(*form, "LBmsg")->text(),
              QStringLiteral("라벨에 표시될 문자를 입력후 Enter 키를 치세요 ...!"));
    QTest::keyClicks(field, "VIP");
    QTest::keyClick(field, Qt::Key_Return);
    ASSERT_NE(form->item(8), nullptr);
    EXPECT_EQ(form->item(8)->text(), QStringLiteral("VIP"));
    EXPECT_EQ(form->item(8)->pos().x(), 34);
    EXPECT_EQ(field->text(), QString());
    EXPECT_EQ(form->focusWidget(), field);

    // Pressing an item makes it current; dragging moves it, one pixel past
    // the frame; the arrows move it by one.
    ItemLabel* name = form->item(6);
    const QPoint before = name->pos();
    sendMouse(name, QEvent::MouseButtonPress, {2, 2}, Qt::LeftButton);
    EXPECT_EQ(form->currentItem(), 6);
    EXPECT_EQ(field->text(), QStringLiteral("** 이름 **"));
    EXPECT_EQ(name->palette().color(QPalette::Window), QColor(Qt::yellow));
    sendMouse(name, QEvent::MouseMove, {2 - 20, 2 - 5}, Qt::LeftButton);
    sendMouse(name, QEvent::MouseButtonRelease, {2 - 20, 2 - 5}, Qt::NoButton);
    EXPECT_EQ(name->pos(), before + QPoint(-20 + 1, -5 + 1));
    EXPECT_EQ(form->focusWidget(), field);
    const QPoint dropped = name->pos();
    click(*form, "BTleft");
    EXPECT_EQ(name->pos(), dropped - QPoint(1, 0));
    // Typing changes the current item; Enter lets it go.
    field->setText(QString());
    typeText(field, QStringLiteral("성명"));
    EXPECT_EQ(name->text(), QStringLiteral("성명"));
    QTest::keyClick(field, Qt::Key_Return);
    EXPECT_EQ(form->currentItem(), 0);
    EXPECT_EQ(name->palette().color(QPalette::Window), QColor(Qt::white));

    // A font grows until one more point would leave the label.
    ItemLabel* honorific = form->item(7);
    sendMouse(honorific, QEvent::MouseButtonPress, {1, 1}, Qt::LeftButton);
    sendMouse(honorific, QEvent::MouseButtonRelease, {1, 1}, Qt::NoButton);
    for (int i = 0; i < 60; ++i)
        click(*form, "BTfontUp");
    const int grown = honorific->font().pointSize();
    EXPECT_GT(grown, 8);
    EXPECT_LE(honorific->height(), 58 - 3);
    QLabel bigger(honorific->text());
    QFont font = honorific->font();
    font.setPointSize(grown + 1);
    bigger.setFont(font);
    bigger.adjustSize();
    EXPECT_TRUE(bigger.width() > 169 - 3 || bigger.height() > 58 - 3);
    click(*form, "BTfontDown");
    EXPECT_EQ(honorific->font().pointSize(), grown - 1);
    // Deleted items are hidden and print nowhere.
    click(*form, "BTdelete");
    EXPECT_TRUE(honorific->isHidden());
    EXPECT_EQ(form->currentItem(), 0);

    // The print panel: start at row 12, column 3 of a 12 × 3 sheet, so the
    // second label begins the next sheet.
    click(*form, "BTprint");
    auto* panel = control<QFrame>(*form, "PNprt");
    EXPECT_TRUE(panel->isVisible());
    auto* row = control<QSpinBox>(*form, "EDstartRow");
    auto* col = control<QSpinBox>(*form, "EDstartCol");
    EXPECT_EQ(row->maximum(), 12);
    EXPECT_EQ(col->maximum(), 3);
    row->setValue(12);
    col->setValue(3);
    control<QCheckBox>(*form, "CKBoutlinedraw")->setChecked(true);

    dlg().printDialog = Dialogs::PrintOutcome::Cancelled;
    click(*form, "BTpnprtOK");
    EXPECT_FALSE(dlg().saw(kPrinted));
    EXPECT_TRUE(dlg().printed.empty());

    dlg().printDialog = Dialogs::PrintOutcome::Printed;
    click(*form, "BTpnprtOK");
    ASSERT_EQ(dlg().printed.size(), 1u);
    const RecordingPrintDevice& sheet = *dlg().printed.front();
    EXPECT_EQ(sheet.pageCount(), 2);
    EXPECT_EQ(sheet.texts(),
              (QStringList{"200-200", "부산 동구", "2층", "영업부", "과장", "김철수", "VIP",
                           "100-100", "서울 중구", "1번지", "", "", "이영희", "VIP"}));
    // The first label: row 12, column 3 at (10 + 2 × 687, 10 + 11 × 244)
    // tenths; the name at its pixel place times 0.4 mm; the second on a new
    // sheet at the first place.
    const QPoint corner(10 + 2 * 687, 10 + 11 * 244);
    const QPoint nameAt = corner + name->pos() * 4;
    EXPECT_EQ(sheet.findText(QStringLiteral("김철수")).a,
              QPoint(tenthsToDots(nameAt.x(), 600), tenthsToDots(nameAt.y(), 600)));
    EXPECT_EQ(sheet.findText(QStringLiteral("이영희")).page, 2);
    EXPECT_EQ(sheet.ops(Op::Rect).size(), 2);
    EXPECT_EQ(sheet.ops(Op::Rect)[0].a,
              QPoint(tenthsToDots(corner.x(), 600), tenthsToDots(corner.y(), 600)));
    EXPECT_EQ(dlg().last().text, kPrinted);
    EXPECT_FALSE(panel->isVisible());

    // The preview draws the same run.
    click(*form, "BTprint");
    click(*form, "BTpnprtpreview");
    ASSERT_EQ(dlg().previewed.size(), 1u);
    EXPECT_EQ(dlg().previewed.front()->texts(), sheet.texts());
    // The panel hides when the focus goes elsewhere.
    field->setFocus();
    EXPECT_FALSE(panel->isVisible());
}

TEST_F(LabelFormsTest, UnusableSettingsAndAMissingTableAreSaid) {
    writeFile(labelSettingsPath(), "[LABLOPRINTER]\nRowCount=0\nColCount=4\nDivScale=0\n");
    addMailOut(QStringLiteral("김철수"), QStringLiteral("자택"));
    auto form = openLabels();
    ASSERT_EQ(dlg().messages.size(), 1);
    EXPECT_TRUE(dlg().last().text.contains(QStringLiteral("RowCount=0")));
    EXPECT_TRUE(dlg().last().text.contains(QStringLiteral("DivScale=0")));
    EXPECT_EQ(form->geometry().rowCount, 12);
    EXPECT_EQ(form->geometry().colCount, 4);
    EXPECT_EQ(form->geometry().divScale, 4);
    form.reset();

    dlg().reset();
    writeFile(labelSettingsPath(), "[LABLOPRINTER]\nRowCount=10\n");
    sql(QStringLiteral("DROP TABLE xxx"));
    form = std::make_unique<TForm2>();
    form->show();
    EXPECT_EQ(dlg().texts(),
              QStringList{QStringLiteral("데이타 화일을 여는 도중에 오류발생 ...!")});
    QTest::qWait(20);
    EXPECT_FALSE(form->isVisible());
}

TEST_F(LabelFormsTest, TheSheetFormChangesSavesAndKeepsTheNewGutters) {
    addMailOut(QStringLiteral("김철수"), QStringLiteral("자택"));
    auto form = openLabels();
    bool ran = false;
    form->runSizeForm = [&](TFMsizeset& sheet) {
        ran = true;
        sheet.show();
        EXPECT_EQ(sheet.windowTitle(), QStringLiteral("라벨폼 설정"));
        EXPECT_EQ(control<QLineEdit>(sheet, "EDxLength")->text(), QStringLiteral("67.7"));
        EXPECT_EQ(control<QLineEdit>(sheet, "EDyLength")->text(), QStringLiteral("23.4"));
        EXPECT_EQ(control<QLineEdit>(sheet, "EDlm")->text(), QStringLiteral("1.0"));
        control<QSpinBox>(sheet, "EDcolcount")->setValue(2);
        EXPECT_EQ(control<QLineEdit>(sheet, "EDxLength")->text(), QStringLiteral("102.0"));
        // A preset fills the fields.
        auto* presets = control<QComboBox>(sheet, "CBpreset");
        const int index = presets->findText(QStringLiteral("A4 2×8 (99.1×33.9mm)"));
        ASSERT_GT(index, 0);
        presets->setCurrentIndex(index);
        emit presets->activated(index);
        EXPECT_EQ(control<QSpinBox>(sheet, "EDrowCount")->value(), 8);
        EXPECT_EQ(control<QSpinBox>(sheet, "EDcolcount")->value(), 2);
        EXPECT_EQ(control<QLineEdit>(sheet, "EDxLength")->text(), QStringLiteral("99.1"));
        EXPECT_EQ(control<QLineEdit>(sheet, "EDyLength")->text(), QStringLiteral("33.9"));

        // The printer form saves new gutters; saving the sheet keeps them.
        sheet.openPrinterSettings = [&](QWidget*) {
            IniFile ini(labelSettingsPath());
            ini.setText(labelSettingsSection(), QStringLiteral("GutterLeft"),
                        QStringLiteral("4.23333333333333"));
            ASSERT_TRUE(ini.save());
        };
        click(sheet, "BTprtset");
        EXPECT_EQ(control<QLineEdit>(sheet, "EDlm")->text(), QStringLiteral("4.2"));
        click(sheet, "BTset");
        // The alignment sheet: every outline of the sheet on one page.
        click(sheet, "BTalign");
        sheet.close();
    };
    click(*form, "BTformSet");
    ASSERT_TRUE(ran);
    const QString saved = settings();
    EXPECT_TRUE(saved.contains(QStringLiteral("GutterLeft=4.23333333333333\n")));
    // 4.7 mm from the paper edge, 4.2 of them the printer's.
    EXPECT_TRUE(saved.contains(QStringLiteral("LeftMargin=0.5\n")));
    EXPECT_TRUE(saved.contains(QStringLiteral("RowCount=8\n")));
    EXPECT_TRUE(saved.contains(QStringLiteral("ColCount=2\n")));
    ASSERT_EQ(dlg().printed.size(), 1u);
    EXPECT_EQ(dlg().printed.front()->ops(Op::Rect).size(), 16);
    // The enlarged label follows the new sheet: 991 × 339 tenths at 4.
    EXPECT_EQ(control<QFrame>(*form, "Panel1")->size(), QSize(248, 85));
    EXPECT_EQ(control<QSpinBox>(*form, "EDstartRow")->maximum(), 8);
}

TEST_F(LabelFormsTest, ThePrinterFormMeasuresChecksEveryFieldAndKeepsTheValues) {
    TFMini form;
    form.show();
    EXPECT_EQ(form.windowTitle(), QStringLiteral("프린터 설정"));
    for (const char* name : {"Edit1", "Edit2", "Edit3", "Edit4", "Edit5", "Edit6", "Edit7", "Edit8",
                             "Edit9", "Edit10"})
        EXPECT_EQ(control<QLineEdit>(form, name)->text(), QStringLiteral("0")) << name;
    EXPECT_EQ(control<QLabel>(form, "StatusBar1")->text(),
              QStringLiteral("프린터와 시스템을 링크합니다."));

    // No printer: said, nothing measured.
    form.measure = [] { return std::optional<PrinterMeasurement>(); };
    click(form, "Button1");
    ASSERT_EQ(dlg().messages.size(), 1);
    EXPECT_TRUE(dlg().last().text.startsWith(QStringLiteral("연결된 프린터가 없어")));
    EXPECT_EQ(control<QLineEdit>(form, "Edit5")->text(), QStringLiteral("0"));

    // A 360 dpi printer with 60 and 90 dots it cannot print on.
    form.measure = [] {
        RecordingPrintDevice device(360);
        device.setPrintingOffset({60, 90});
        return std::optional<PrinterMeasurement>(measurePrinter(device));
    };
    click(form, "Button1");
    EXPECT_EQ(control<QLineEdit>(form, "Edit5")->text(), QStringLiteral("360"));
    EXPECT_EQ(control<QLineEdit>(form, "Edit7")->text(), QStringLiteral("4.23333333333333"));
    EXPECT_EQ(control<QLineEdit>(form, "Edit9")->text(), QStringLiteral("6.35"));
    EXPECT_EQ(control<QLineEdit>(form, "Edit1")->text(),
              QStringLiteral("201.506666666667"));  // (2976 − 120) dots

    // A gutter that is not a number stops the save before anything is
    // written, and so does a resolution with a fraction.
    dlg().reset();
    control<QLineEdit>(form, "Edit10")->setText(QStringLiteral("abc"));
    click(form, "BitBtn1");
    EXPECT_EQ(dlg().messages.size(), 1);
    EXPECT_TRUE(dlg().last().text.contains(QStringLiteral("'하'")));
    EXPECT_EQ(form.focusWidget(), control<QLineEdit>(form, "Edit10"));
    control<QLineEdit>(form, "Edit10")->setText(QStringLiteral("4,5"));
    control<QLineEdit>(form, "Edit6")->setText(QStringLiteral("360.5"));
    click(form, "BitBtn1");
    EXPECT_FALSE(QFile::exists(labelSettingsPath()));

    // Saving asks first; No writes nothing.
    control<QLineEdit>(form, "Edit6")->setText(QStringLiteral("360"));
    dlg().reset();
    dlg().script({Dialogs::Answer::No});
    click(form, "BitBtn1");
    EXPECT_EQ(dlg().texts(), QStringList{QStringLiteral("현재 설정사양을 저장 합니까 ...?")});
    EXPECT_FALSE(QFile::exists(labelSettingsPath()));
    click(form, "BitBtn1");
    const QString saved = settings();
    EXPECT_TRUE(saved.contains(QStringLiteral("PixelsPerInchVertical=360\n")));
    EXPECT_TRUE(saved.contains(QStringLiteral("GutterLeft=4.23333333333333\n")));
    EXPECT_TRUE(saved.contains(QStringLiteral("GutterBottom=4.5\n")));
    EXPECT_TRUE(saved.contains(QStringLiteral("PixelsPerMiliHorizontal=14.1732283464567\n")));

    // Shown again as kept.
    TFMini again;
    again.show();
    EXPECT_EQ(control<QLineEdit>(again, "Edit10")->text(), QStringLiteral("4.5"));
    EXPECT_EQ(control<QLineEdit>(again, "Edit6")->text(), QStringLiteral("360"));
}
