// The people directory TFMman_lst through its controls: opening from the
// main window, the search area and the further conditions, the entry form
// opened in the mode of the button pressed, "DM" into the mail-out table,
// the coming birthdays and the lists saved as CSV and business cards.

#include "app/main_actions.h"
#include "app/tfmbu_main.h"
#include "common/dates.h"
#include "common/shared_values.h"
#include "data/query.h"
#include "people/mail_out.h"
#include "people/people_model.h"
#include "people/tfmman_imd.h"
#include "people/tfmman_lst.h"
#include "people/tform2.h"
#include "tests/people/people_support.h"
#include "tools/tfmzip.h"

#include <QApplication>
#include <QFile>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSqlQuery>
#include <QTableView>

#include <functional>
#include <memory>

namespace {

// Five Persons that the conditions tell apart (today is 2026-12-08).
class PeopleListTest : public PeopleStoreTest {
protected:
    void SetUp() override {
        PeopleStoreTest::SetUp();
        Query codes;
        sharedValues().personCodes.load(codes);
        addPerson(QStringLiteral("K1"));
        sql(QStringLiteral(
            "UPDATE man SET Name = '김철수', Gubun = '고객', compart = '건설업', Cargubun = "
            "'아파트', "
            "Homeaddr = '서울시 강남구 역삼동', Comname = '대한건설', birthday = '1970-12-10', "
            "bthMonth = 12, bthDay = 10, uy = 'Y', guipday = '2026-03-01' WHERE Scancode = 'K1'"));
        addPerson(QStringLiteral("L1"), {{"Name", "이영희"},
                                         {"Gubun", "친구"},
                                         {"Homeaddr", "부산시 해운대구"},
                                         {"birthday", "1980-11-15"},
                                         {"bthMonth", 11},
                                         {"bthDay", 15},
                                         {"uy", "U"},
                                         {"Comaddr", "부산시 중구"},
                                         {"Comtel", "051-123-4567"}});
        addPerson(QStringLiteral("P1"), {{"Name", "박민수"},
                                         {"Gubun", "고객"},
                                         {"Cargubun", "상가"},
                                         {"marryday", "1999-12-12"},
                                         {"job", "영업"}});
        addPerson(QStringLiteral("C1"), {{"Name", "최지우"},
                                         {"Gubun", "거래처"},
                                         {"birthday", "1990-06-05"},
                                         {"bthMonth", 6},
                                         {"bthDay", 5},
                                         {"uy", "Y"}});
        addPerson(QStringLiteral("A1"), {{"Name", "가나다"}, {"Gubun", "친척"}});
    }
    // The directory shown, after its first activation.
    std::unique_ptr<TFMman_lst> openList() {
        auto form = std::make_unique<TFMman_lst>();
        form->show();
        QApplication::setActiveWindow(form.get());
        EXPECT_TRUE(QTest::qWaitForWindowActive(form.get()));
        return form;
    }
    static QStringList shown(const TFMman_lst& form) {
        QStringList names;
        for (const PersonRecord& person : form.model().people())
            names.append(person.name);
        return names;
    }
    static QTableView* grid(const QWidget& form) { return control<QTableView>(form, "DBGrid1"); }
    static QString status(const QWidget& form, const char* panel) {
        return control<QLabel>(form, panel)->text();
    }
    static void selectRow(const QWidget& form, int row) {
        grid(form)->selectionModel()->setCurrentIndex(
            grid(form)->model()->index(row, 0),
            QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    }

    // The entry form's mode and key when `open` opens it; `inside` acts on it.
    struct Handed {
        int mode = 0;
        QString key;
    };
    Handed openEntry(const std::function<void()>& open,
                     const std::function<void(TFMman_imd&)>& inside = {}) {
        Handed handed;
        ModalHandler handler([&](QWidget* modal) {
            auto* entry = qobject_cast<TFMman_imd*>(modal);
            ASSERT_NE(entry, nullptr);
            handed = {entry->entryMode, entry->scancode};
            if (inside) inside(*entry);
            if (entry->isVisible()) entry->reject();
        });
        open();
        EXPECT_TRUE(handler.appeared());
        return handed;
    }
    // The names as label printing meets them.
    static QStringList mailOutNames() {
        QStringList names;
        for (const PersonRecord& person : readMailOut())
            names.append(person.name);
        return names;
    }
    QStringList mailOutTableColumns() {
        QStringList names;
        db().forgetTableInfo(QStringLiteral("xxx"));
        for (const FieldDef& field : db().tableInfo(QStringLiteral("xxx")).fields)
            names.append(field.name.toLower());
        return names;
    }
};

QString fileText(const QString& path, QByteArray* bytes = nullptr) {
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
    const QByteArray content = file.readAll();
    if (bytes) *bytes = content;
    return QString::fromUtf8(content);
}

}  // namespace

TEST_F(PeopleListTest, ThePeopleButtonOpensEveryPersonByName) {
    TFMbu_main window;
    connectMainActions(window);
    window.show();
    QStringList names;
    QString count;
    QStringList relations;
    ModalHandler handler([&](QWidget* modal) {
        auto* list = qobject_cast<TFMman_lst*>(modal);
        ASSERT_NE(list, nullptr);
        EXPECT_EQ(list->windowTitle(), QStringLiteral("인명부 관리"));
        names = shown(*list);
        count = status(*list, "StatusCount");
        relations = itemsOf(control<QComboBox>(*list, "CBgubun"));
        list->reject();
    });
    emit window.peopleRequested();
    ASSERT_TRUE(handler.appeared());
    EXPECT_EQ(names, (QStringList{"가나다", "김철수", "박민수", "이영희", "최지우"}));
    EXPECT_EQ(count, QStringLiteral("검색: 5"));
    EXPECT_EQ(relations, (QStringList{"전체", "거래처", "고객", "친구", "친척"}));
    EXPECT_TRUE(dlg().errors.isEmpty()) << dlg().errors.join(u'|').toStdString();
}

TEST_F(PeopleListTest, TheGridShowsTheColumnsTheNextDatesAndTheCurrentRowsDetails) {
    auto form = openList();
    const QAbstractItemModel* model = grid(*form)->model();
    QStringList titles;
    for (int column = 0; column < model->columnCount(); ++column)
        titles.append(model->headerData(column, Qt::Horizontal).toString());
    EXPECT_EQ(titles,
              (QStringList{"이름", "다음 생일", "다음 결혼기념일", "관계구분", "직장명", "근무부서",
                           "직위", "집전화", "호출번호", "직장전화", "제품종류", "구입일자",
                           "담당자", "집주소", "...", "회사주소", "....", "비고"}));
    const auto cell = [&](int row, int column) {
        return model->index(row, column).data().toString();
    };
    EXPECT_EQ(cell(1, 1), QStringLiteral("2026-12-10"));
    EXPECT_EQ(cell(3, 1), QStringLiteral("2026-12-23 (음)")) << "lunar 11-15 this year";
    EXPECT_EQ(cell(2, 2), QStringLiteral("2026-12-12"));
    EXPECT_EQ(cell(0, 1), QString());
    selectRow(*form, 3);
    EXPECT_EQ(control<QLabel>(*form, "DBcomaddr")->text(), QStringLiteral("부산시 중구"));
    EXPECT_EQ(control<QLabel>(*form, "DBcomtel")->text(), QStringLiteral("051-123-4567"));
    EXPECT_EQ(control<QLabel>(*form, "DBbirthday")->text(),
              QStringLiteral("1980-11-15 (음)  다음: 2026-12-23 (음)"));
}

TEST_F(PeopleListTest, TheSearchAreaAndTheFurtherConditionsNarrowTheList) {
    auto form = openList();
    auto* relation = control<QComboBox>(*form, "CBgubun");
    relation->setCurrentIndex(relation->findText(QStringLiteral("고객")));
    click(*form, "BTinq");
    EXPECT_EQ(shown(*form), (QStringList{"김철수", "박민수"}));
    EXPECT_EQ(status(*form, "StatusCount"), QStringLiteral("검색: 2"));
    typeInto(*form, "EDname", QStringLiteral("박"));
    click(*form, "BTinq");
    EXPECT_EQ(shown(*form), QStringList{QStringLiteral("박민수")});

    // A birthday range from one bound: the other takes it.
    relation->setCurrentIndex(0);
    control<QLineEdit>(*form, "EDname")->clear();
    typeInto(*form, "EDday2", QStringLiteral("12-10"));
    click(*form, "BTinq");
    EXPECT_EQ(control<QLineEdit>(*form, "EDday1")->text(), QStringLiteral("2026-12-10"));
    EXPECT_EQ(shown(*form), QStringList{QStringLiteral("김철수")});
    // Across the year end, solar and lunar.
    control<QLineEdit>(*form, "EDday1")->setText(QStringLiteral("2026-11-20"));
    control<QLineEdit>(*form, "EDday2")->setText(QStringLiteral("2027-01-05"));
    click(*form, "BTinq");
    EXPECT_EQ(shown(*form), (QStringList{"김철수", "이영희"}));
    click(*form, "RB2");
    click(*form, "BTinq");
    EXPECT_TRUE(shown(*form).isEmpty()) << "a wedding day compares with its year";
    for (const char* name : {"BTmod", "BTdel", "BTallview", "BTdm", "BTcsv", "BTvcard"})
        EXPECT_FALSE(control<QPushButton>(*form, name)->isEnabled()) << name;
    control<QLineEdit>(*form, "EDday1")->clear();
    control<QLineEdit>(*form, "EDday2")->clear();

    // The panel of further conditions.
    auto* panel = control<QFrame>(*form, "PNinqset");
    EXPECT_FALSE(panel->isVisible());
    click(*form, "BTinqset");
    EXPECT_TRUE(panel->isVisible());
    typeInto(*form, "EDjob", QStringLiteral("영업"));
    click(*form, "BTdetinq");
    EXPECT_FALSE(panel->isVisible());
    EXPECT_EQ(shown(*form), QStringList{QStringLiteral("박민수")});
    click(*form, "BTinq");
    EXPECT_EQ(shown(*form).size(), 5) << "the search area's own search leaves them out";
    click(*form, "BTinqset");
    click(*form, "BTclose");
    EXPECT_FALSE(panel->isVisible());
}

TEST_F(PeopleListTest, ADateThatIsNoneIsRefusedWhereItWasTyped) {
    auto form = openList();
    typeInto(*form, "EDday1", QStringLiteral("2026-13-45"));
    control<QWidget>(*form, "EDloca")->setFocus();
    QTest::qWait(20);
    EXPECT_EQ(dlg().last().text, dateFormatWarning());
    EXPECT_EQ(QApplication::focusWidget(), control<QWidget>(*form, "EDday1"));
    click(*form, "BTinq");
    EXPECT_EQ(shown(*form).size(), 5) << "nothing searched, the list as it was";
}

TEST_F(PeopleListTest, TheButtonPressedGivesTheModeAndTheListShowsTheChange) {
    auto form = openList();
    selectRow(*form, 2);  // 박민수
    // The focus stays in a field (a button pressed by its key, not the
    // mouse); the button alone decides.
    control<QWidget>(*form, "EDname")->setFocus();
    const struct {
        const char* button;
        int mode;
        QString key;
    } cases[] = {{"BTinp", 1, QString()},
                 {"BTmod", 2, QStringLiteral("P1")},
                 {"BTdel", 2, QStringLiteral("P1")},
                 {"BTallview", 4, QStringLiteral("P1")}};
    for (const auto& c : cases) {
        const Handed handed = openEntry([&] { control<QPushButton>(*form, c.button)->click(); });
        EXPECT_EQ(form->focusWidget(), grid(*form)) << "back on the list";
        control<QWidget>(*form, "EDname")->setFocus();
        EXPECT_EQ(handed.mode, c.mode) << c.button;
        EXPECT_EQ(handed.key, c.key) << c.button;
    }
    const QRect at = grid(*form)->visualRect(grid(*form)->model()->index(3, 0));
    const Handed viewed = openEntry([&] {
        QTest::mouseClick(grid(*form)->viewport(), Qt::LeftButton, {}, at.center());
        QTest::mouseDClick(grid(*form)->viewport(), Qt::LeftButton, {}, at.center());
    });
    EXPECT_EQ(viewed.mode, 4);
    EXPECT_EQ(viewed.key, QStringLiteral("L1"));

    // A change: the same search again, on the changed Person's row.
    auto* relation = control<QComboBox>(*form, "CBgubun");
    relation->setCurrentIndex(relation->findText(QStringLiteral("고객")));
    click(*form, "BTinq");
    selectRow(*form, 1);
    openEntry([&] { click(*form, "BTmod"); },
              [](TFMman_imd& entry) {
                  control<QLineEdit>(entry, "EDname")->setText(QStringLiteral("가박민수"));
                  click(entry, "BTmod");
              });
    EXPECT_EQ(shown(*form), (QStringList{"가박민수", "김철수"}));
    EXPECT_EQ(grid(*form)->currentIndex().row(), 0);
    EXPECT_EQ(form->focusWidget(), grid(*form));
}

TEST_F(PeopleListTest, DmPutsTheShownPersonsIntoTheMailOutTable) {
    auto form = openList();
    // The label screen opens on the Persons just written.
    const auto dmWithLabels = [&] {
        QStringList labelled;
        ModalHandler labels([&](QWidget* modal) {
            auto* screen = qobject_cast<TForm2*>(modal);
            ASSERT_NE(screen, nullptr);
            for (const LabelAddress& address : screen->addresses())
                labelled.append(address.name);
            screen->reject();
        });
        click(*form, "BTdm");
        EXPECT_TRUE(labels.appeared());
        return labelled;
    };
    EXPECT_EQ(dmWithLabels(), (QStringList{"가나다", "김철수", "박민수", "이영희", "최지우"}));
    EXPECT_EQ(mailOutTableColumns(), mailOutColumns());
    EXPECT_EQ(mailOutNames(), (QStringList{"가나다", "김철수", "박민수", "이영희", "최지우"}));
    const std::vector<PersonRecord> mailOut = readMailOut();
    const PersonRecord& shownFirst = form->model().people().front();
    ASSERT_EQ(mailOut.size(), 5U);
    EXPECT_EQ(mailOut.front().comtel, shownFirst.comtel);
    EXPECT_EQ(mailOut.front().homeaddr, shownFirst.homeaddr);
    EXPECT_EQ(mailOut.front().dmsource, shownFirst.dmsource);
    EXPECT_EQ(scalar(QStringLiteral("SELECT comtel FROM xxx WHERE scancode = 'L1'")).toString(),
              QStringLiteral("051-123-4567"));
    // The next DM replaces them; a table left with other columns by another
    // list is made again with the mail-out columns.
    sql(QStringLiteral("DROP TABLE xxx"));
    sql(QStringLiteral("CREATE TABLE xxx (kind VARCHAR(10), amount INTEGER)"));
    sql(QStringLiteral("INSERT INTO xxx VALUES ('매입', 1000)"));
    typeInto(*form, "EDloca", QStringLiteral("부산"));
    click(*form, "BTinq");
    EXPECT_EQ(dmWithLabels(), QStringList{QStringLiteral("이영희")});
    EXPECT_TRUE(dlg().errors.isEmpty()) << dlg().errors.join(u'|').toStdString();
    EXPECT_EQ(mailOutTableColumns(), mailOutColumns());
    EXPECT_EQ(mailOutNames(), QStringList{QStringLiteral("이영희")});
    EXPECT_EQ(status(*form, "StatusMode"), QStringLiteral("DM 발송 대상 1명을 담았습니다"));
    // Nobody found: the table keeps the last mail-out.
    typeInto(*form, "EDloca", QStringLiteral("제주"));
    click(*form, "BTinq");
    control<QPushButton>(*form, "BTdm")->setEnabled(true);
    click(*form, "BTdm");
    EXPECT_EQ(mailOutNames(), QStringList{QStringLiteral("이영희")});
}

TEST_F(PeopleListTest, TheComingDaysAreListedInTheirOrder) {
    auto form = openList();
    auto* days = control<QComboBox>(*form, "CBupcoming");
    EXPECT_EQ(itemsOf(days), (QStringList{"7일", "30일"}));
    days->setCurrentIndex(0);
    click(*form, "BTupcoming");
    EXPECT_EQ(shown(*form), (QStringList{"김철수", "박민수"}));
    EXPECT_EQ(status(*form, "StatusMode"),
              QStringLiteral("다가오는 생일·결혼기념일: 2026-12-08 ~ 2026-12-14 (7일)"));
    days->setCurrentIndex(1);
    click(*form, "BTupcoming");
    EXPECT_EQ(shown(*form), (QStringList{"김철수", "박민수", "이영희"}));
    // The dates that fall within the days asked stand out.
    const QAbstractItemModel* model = grid(*form)->model();
    EXPECT_EQ(model->index(1, 2).data(Qt::ForegroundRole).value<QColor>(), QColor(Qt::red));
    EXPECT_FALSE(model->index(1, 1).data(Qt::ForegroundRole).isValid()) << "no birthday soon";
    // The search area's lists narrow it.
    auto* relation = control<QComboBox>(*form, "CBgubun");
    relation->setCurrentIndex(relation->findText(QStringLiteral("친구")));
    click(*form, "BTupcoming");
    EXPECT_EQ(shown(*form), QStringList{QStringLiteral("이영희")});
    // After the entry form, the coming days again, not the plain search.
    openEntry([&] { click(*form, "BTallview"); });
    EXPECT_EQ(shown(*form), QStringList{QStringLiteral("이영희")});
}

TEST_F(PeopleListTest, TheListIsSavedAsCsvAndAsBusinessCards) {
    auto form = openList();
    typeInto(*form, "EDloca", QStringLiteral("부산"));
    click(*form, "BTinq");
    const QString folder = home_.path();
    dlg().nextSaveFile = folder + QStringLiteral("/인명부");
    click(*form, "BTcsv");
    QByteArray bytes;
    fileText(folder + QStringLiteral("/인명부.csv"), &bytes);
    EXPECT_TRUE(bytes.startsWith("\xEF\xBB\xBF")) << "UTF-8 with its mark";
    const QStringList lines =
        QString::fromUtf8(bytes.mid(3)).split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 2);
    EXPECT_TRUE(
        lines[0].startsWith(QStringLiteral("\"이름\",\"관계구분\",\"회원구분\",\"핸드폰\"")));
    EXPECT_TRUE(lines[1].startsWith(QStringLiteral("\"이영희\",\"친구\"")));
    EXPECT_TRUE(lines[1].contains(QStringLiteral("\"1980-11-15\",\"음\",\"2026-12-23\"")));

    dlg().nextSaveFile = folder + QStringLiteral("/연락처.vcf");
    click(*form, "BTvcard");
    const QString cards = fileText(folder + QStringLiteral("/연락처.vcf"));
    EXPECT_TRUE(cards.startsWith(QStringLiteral("BEGIN:VCARD\r\nVERSION:3.0\r\nN:이;영희;;;\r\n")));
    EXPECT_TRUE(cards.contains(QStringLiteral("\r\nTEL;TYPE=WORK,VOICE:051-123-4567\r\n")));
    EXPECT_TRUE(cards.contains(QStringLiteral("\r\nNOTE:음력 생일 1980-11-15\r\n")));
    EXPECT_FALSE(cards.contains(QStringLiteral("BDAY"))) << "a lunar birthday is no card birthday";
    EXPECT_TRUE(cards.endsWith(QStringLiteral("END:VCARD\r\n")));

    // A file that cannot be written is said so, and nothing else.
    dlg().nextSaveFile = folder + QStringLiteral("/없는폴더/목록.csv");
    click(*form, "BTcsv");
    EXPECT_EQ(dlg().last().text, QStringLiteral("파일을 저장할 수 없습니다: ") +
                                     dlg().nextSaveFile + QStringLiteral(" ...!"));
    EXPECT_FALSE(status(*form, "StatusMode").contains(QStringLiteral("없는폴더")));
}

TEST_F(PeopleListTest, ThePostalButtonOnlyBrowses) {
    auto form = openList();
    ModalHandler handler([](QWidget* modal) {
        auto* zip = qobject_cast<TFMzip*>(modal);
        ASSERT_NE(zip, nullptr);
        zip->reject();
    });
    click(*form, "BTzip");
    EXPECT_TRUE(handler.appeared());
    EXPECT_EQ(shown(*form).size(), 5);
}
