// The event-type code form TFMman_cod through its controls: the four
// categories, adding (exact duplicates refused, letter case and other
// categories not), deleting with the in-use check on each category's field,
// and the directory's drop-down lists refreshed from the changed codes.

#include "common/shared_values.h"
#include "people/person_codes.h"
#include "people/tfmman_cod.h"
#include "people/tfmman_lst.h"
#include "tests/people/people_support.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>

#include <memory>

namespace {

const QString kInUse =
    QStringLiteral("삭제하려는 코드는 현재 사용되고 있으므로 삭제불가 합니다 ..!");

struct Category {
    const char* radio;
    const char* letter;
    const char* personField;
    QString caption;
    QString message;
};
const Category kCategories[] = {
    {"RBgubun", "R", "Gubun", QStringLiteral("관계 구분"),
     QStringLiteral("인간 관계코드를 입력/삭제 합니다. ...!")},
    {"RBcompart", "C", "compart", QStringLiteral("업종 구분"),
     QStringLiteral("회사 업종코드를 입력/삭제 합니다. ...!")},
    {"RBcargubun", "P", "Cargubun", QStringLiteral("제품종류"),
     QStringLiteral("제품의 종류코드를 입력/삭제 합니다. ...!")},
    {"RBgroup", "G", "group", QStringLiteral("모임/회원"),
     QStringLiteral("모임/회원의 종류코드를 입력/삭제 합니다. ...!")},
};

class PersonCodeFormTest : public PeopleStoreTest {
protected:
    void SetUp() override {
        PeopleStoreTest::SetUp();
        form = std::make_unique<TFMman_cod>();
        form->show();
        form->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    }
    void TearDown() override {
        form.reset();
        PeopleStoreTest::TearDown();
    }

    QListWidget* list() { return control<QListWidget>(*form, "ListBox1"); }
    QLineEdit* entry() { return control<QLineEdit>(*form, "EDcode"); }
    QString label(const char* name) { return control<QLabel>(*form, name)->text(); }
    QStringList listed() {
        QStringList codes;
        for (int i = 0; i < list()->count(); ++i)
            codes.append(list()->item(i)->text());
        return codes;
    }
    QStringList stored(const char* letter) {
        const QString codes =
            scalar(QStringLiteral("SELECT group_concat(code, '|') FROM (SELECT code FROM mancode "
                                  "WHERE gubun = ? ORDER BY code)"),
                   {QLatin1String(letter)})
                .toString();
        return codes.isEmpty() ? QStringList{} : codes.split(u'|');
    }
    void add(const QString& code) {
        entry()->setFocus();
        entry()->setText(code);
        QTest::keyClick(entry(), Qt::Key_Return);  // the default button
    }
    void chooseAndDelete(const QString& code) {
        const QList<QListWidgetItem*> found = list()->findItems(code, Qt::MatchExactly);
        ASSERT_EQ(found.size(), 1) << code.toStdString();
        QTest::mouseClick(list()->viewport(), Qt::LeftButton, {},
                          list()->visualItemRect(found.first()).center());
        EXPECT_EQ(entry()->text(), code);
        EXPECT_EQ(label("PNmsg"), QStringLiteral("삭제할 코드를 선택하세요 ...!"));
        click(*form, "BTdel");
    }

    std::unique_ptr<TFMman_cod> form;
};

}  // namespace

TEST_F(PersonCodeFormTest, EachCategoryListsItsCodesAndTellsWhatToEnter) {
    EXPECT_EQ(form->windowTitle(), QStringLiteral("행사형태 Code 관리"));
    EXPECT_EQ(label("LBgubun"), QStringLiteral("관계 구분 코드"));
    EXPECT_EQ(listed(), stored("R"));
    EXPECT_FALSE(control<QPushButton>(*form, "BTdel")->isEnabled());
    EXPECT_TRUE(control<QPushButton>(*form, "BTinp")->isDefault());
    for (const Category& category : kCategories) {
        SCOPED_TRACE(category.radio);
        click(*form, category.radio);
        EXPECT_EQ(label("LBgubun"), category.caption);
        EXPECT_EQ(label("PNmsg"), category.message);
        EXPECT_EQ(listed(), stored(category.letter));
        EXPECT_EQ(label("LBreccount"), QStringLiteral("(%1 건)").arg(listed().size()));
        EXPECT_FALSE(control<QPushButton>(*form, "BTdel")->isEnabled());
    }
    QTest::mouseClick(entry(), Qt::LeftButton);
    EXPECT_EQ(label("PNmsg"), QStringLiteral("새로운 회원/그룹 관계코드를 입력 하세요. ...!"));
}

TEST_F(PersonCodeFormTest, AddRefusesOnlyTheExactTextOfTheSameCategory) {
    const qsizetype before = listed().size();
    add(QStringLiteral("고객"));
    EXPECT_EQ(dlg().last().text, QStringLiteral("이미 등록된 코드입니다 ..!"));
    add(QString());
    EXPECT_EQ(listed().size(), before) << "an empty code adds nothing";
    add(QStringLiteral("VIP"));
    add(QStringLiteral("vip"));
    EXPECT_EQ(listed().mid(before), (QStringList{"VIP", "vip"})) << "added at the end";
    EXPECT_EQ(label("LBreccount"), QStringLiteral("(%1 건)").arg(before + 2));
    EXPECT_EQ(label("PNmsg"), QStringLiteral("자료가 등록되었습니다 ...!"));
    click(*form, "RBgroup");
    add(QStringLiteral("VIP"));
    EXPECT_EQ(stored("G").count(QStringLiteral("VIP")), 1) << "the same text in another category";
    EXPECT_EQ(stored("R").count(QStringLiteral("VIP")), 1);
    EXPECT_EQ(dlg().texts().count(QStringLiteral("이미 등록된 코드입니다 ..!")), 1);
}

TEST_F(PersonCodeFormTest, ACodeInUseStaysUntilNobodyHoldsIt) {
    for (const Category& category : kCategories) {
        SCOPED_TRACE(category.radio);
        const QString code = QStringLiteral("시험") + QLatin1String(category.letter);
        sql(QStringLiteral("INSERT INTO mancode (gubun, code) VALUES (?, ?)"),
            {QLatin1String(category.letter), code});
        addPerson(QStringLiteral("사람") + QLatin1String(category.letter),
                  {{category.personField, code}});
        click(*form, category.radio);
        const int beeps = dlg().beeps;
        chooseAndDelete(code);
        EXPECT_EQ(dlg().last().text, kInUse);
        EXPECT_EQ(dlg().beeps, beeps + 1);
        EXPECT_TRUE(stored(category.letter).contains(code));
        // The Person takes another code; now the code goes.
        sql(QStringLiteral("UPDATE man SET \"%1\" = '' WHERE Name = ?")
                .arg(QLatin1String(category.personField)),
            {QStringLiteral("사람") + QLatin1String(category.letter)});
        chooseAndDelete(code);
        EXPECT_FALSE(stored(category.letter).contains(code));
        EXPECT_FALSE(listed().contains(code));
        EXPECT_EQ(label("PNmsg"), QStringLiteral("자료를 삭제하였습니다 ...!"));
        EXPECT_FALSE(control<QPushButton>(*form, "BTdel")->isEnabled());
        EXPECT_TRUE(entry()->text().isEmpty());
    }
    // The check reads the code as a value, whatever it holds.
    EXPECT_EQ(personCodeUsageStatement(PersonCodeCategory::Group).last(),
              QStringLiteral("M.\"group\" = :code"));
}

TEST_F(PersonCodeFormTest, TheDirectoryOffersTheChangedCodesSortedByText) {
    TFMman_lst directory;
    directory.show();
    form.reset();
    ModalHandler codes([](QWidget* modal) {
        auto* codeForm = qobject_cast<TFMman_cod*>(modal);
        ASSERT_NE(codeForm, nullptr);
        auto* entryField = control<QLineEdit>(*codeForm, "EDcode");
        entryField->setText(QStringLiteral("가족"));
        click(*codeForm, "BTinp");
        click(*codeForm, "RBcargubun");
        entryField->setText(QStringLiteral("가게"));
        click(*codeForm, "BTinp");
        codeForm->close();
    });
    click(directory, "BTcode");
    ASSERT_TRUE(codes.appeared());
    const QStringList relations = itemsOf(control<QComboBox>(directory, "CBgubun"));
    EXPECT_EQ(relations, (QStringList{"전체", "가족", "거래처", "고객", "친구", "친척"}));
    EXPECT_EQ(itemsOf(control<QComboBox>(directory, "CBcargubun")).value(1),
              QStringLiteral("가게"));
    EXPECT_EQ(sharedValues().personCodes.list(4), relations.mid(1));
}
