#include "common/qt_translations.h"
#include "tests/support/test_environment.h"

#include <QCoreApplication>
#include <QPrintDialog>
#include <QPushButton>

// Qt's own dialogs speak Korean once the translations are loaded (they come
// with the project's packages).
TEST_F(QuarnelTest, QtsOwnTextsAreKorean) {
    ASSERT_TRUE(installQtKoreanTranslations(*QCoreApplication::instance()));
    EXPECT_EQ(QCoreApplication::translate("QLineEdit", "&Undo"), QStringLiteral("실행 취소(&U)"));
    QPrintDialog dialog;
    bool korean = false;
    for (const QPushButton* button : dialog.findChildren<QPushButton*>())
        korean = korean || button->text().contains(QStringLiteral("인쇄"));
    EXPECT_TRUE(korean) << "the print dialog's button";
}
