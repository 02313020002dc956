// The people directory while another program writes the same store: a
// Person typed meanwhile is saved once it lets go, what was typed stays until
// then, and a "DM" refused meanwhile leaves the last mail-out as it was.

#include "common/shared_values.h"
#include "data/query.h"
#include "people/people_model.h"
#include "people/tfmman_imd.h"
#include "people/tfmman_lst.h"
#include "tests/people/people_support.h"
#include "tests/support/other_program.h"

#include <QApplication>
#include <QLabel>

class PeopleSharedStoreTest : public PeopleStoreTest {
protected:
    void SetUp() override {
        PeopleStoreTest::SetUp();
        addPerson(QStringLiteral("K1"), {{"Name", "김철수"}});
        addPerson(QStringLiteral("L1"), {{"Name", "이영희"}});
        // A short wait for the other program.
        const QString directory = db().directory();
        Database::closeQdb3();
        Database::setQdb3(std::make_unique<Database>(directory, 300));
        Query codes;
        sharedValues().personCodes.load(codes);
    }
    int mailOut() { return rows(QStringLiteral("xxx")); }
};

TEST_F(PeopleSharedStoreTest, WritesWaitForTheOtherProgramAndLoseNothing) {
    TFMman_lst list;
    list.show();
    QApplication::setActiveWindow(&list);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&list));
    {
        ModalHandler labels([](QWidget* modal) { modal->close(); });
        click(list, "BTdm");
    }
    ASSERT_EQ(mailOut(), 2);

    OtherProgram other(db());
    other.run("INSERT INTO man (Scancode, Name) VALUES ('O1', '다른사람')");
    const QString name = QStringLiteral("홍길동");
    ModalHandler entry(
        [&](QWidget* modal) {
            auto* form = qobject_cast<TFMman_imd*>(modal);
            ASSERT_NE(form, nullptr);
            typeInto(*form, "EDname", name);
            ASSERT_TRUE(other.holdWriteLock());
            click(*form, "BTinp");
            ASSERT_EQ(dlg().errors.size(), 1);
            EXPECT_TRUE(dlg().errors.first().startsWith(
                onServer() ? QStringLiteral("다른 자리에서") : QStringLiteral("다른 프로그램이")))
                << dlg().errors.first().toStdString();
            EXPECT_TRUE(control<QLabel>(*form, "StatusPanel0")->text().isEmpty())
                << "no success after a failure";
            EXPECT_EQ(control<QLineEdit>(*form, "EDname")->text(), name) << "what was typed stays";
            other.commit();
            click(*form, "BTinp");
            EXPECT_EQ(dlg().errors.size(), 1);
            EXPECT_EQ(control<QLabel>(*form, "StatusPanel0")->text(),
                      QStringLiteral("자료를 등록하였습니다 ...!"));
            form->reject();
        },
        10000);
    click(list, "BTinp");
    ASSERT_TRUE(entry.appeared());
    EXPECT_EQ(list.model().rowCount(), 4) << "the other program's Person and the new one";

    // A DM while the other program writes: refused whole, the last one kept.
    ASSERT_TRUE(other.holdWriteLock());
    click(list, "BTdm");
    EXPECT_EQ(dlg().errors.size(), 2);
    other.commit();
    EXPECT_EQ(mailOut(), 2);
    ModalHandler labels([](QWidget* modal) { modal->close(); });
    click(list, "BTdm");
    EXPECT_TRUE(labels.appeared());
    EXPECT_EQ(mailOut(), 4);
}
