// The built-in manual: it opens from the resources with its contents, and
// its search finds a word and says when there is none.

#include "tests/support/test_environment.h"
#include "tools/tfmmanual.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTreeWidget>

using ManualTest = QuarnelTest;

TEST_F(ManualTest, OpensWithContentsAndFinds) {
    TFMmanual form;
    form.show();
    EXPECT_EQ(form.windowTitle(), QStringLiteral("설명서"));
    ASSERT_GT(form.TVcontents->topLevelItemCount(), 4);
    QStringList headings;
    for (int i = 0; i < form.TVcontents->topLevelItemCount(); ++i)
        headings.append(form.TVcontents->topLevelItem(i)->text(0));
    for (const char* chapter : {"큰달력", "매물", "인쇄", "우편번호", "백업"}) {
        EXPECT_TRUE(headings.filter(QString::fromUtf8(chapter)).size() > 0)
            << chapter << " in " << headings.join(u'|').toStdString();
    }
    // The pictures come along with the text.
    const QString html = form.TBmanual->toHtml();
    EXPECT_TRUE(html.contains(QStringLiteral("screenshots/main_window.png")));
    EXPECT_FALSE(form.TBmanual
                     ->loadResource(QTextDocument::ImageResource,
                                    QUrl(QStringLiteral("qrc:/manual/screenshots/main_window.png")))
                     .isNull());

    // A heading of the contents goes to its place.
    QTreeWidgetItem* last = form.TVcontents->topLevelItem(form.TVcontents->topLevelItemCount() - 1);
    QTest::mouseClick(form.TVcontents->viewport(), Qt::LeftButton, Qt::NoModifier,
                      form.TVcontents->visualItemRect(last).center());
    EXPECT_EQ(form.TBmanual->textCursor().block().text(), last->text(0));

    form.EDsearch->setText(QStringLiteral("중도금"));
    EXPECT_TRUE(form.findNext());
    EXPECT_EQ(form.TBmanual->textCursor().selectedText(), QStringLiteral("중도금"));
    const int first = form.TBmanual->textCursor().position();
    QTest::mouseClick(form.BTsearch, Qt::LeftButton);
    EXPECT_NE(form.TBmanual->textCursor().position(), first) << "the next place";
    form.EDsearch->setText(QStringLiteral("없는말없는말"));
    EXPECT_FALSE(form.findNext());
    EXPECT_TRUE(form.LBmsg->text().contains(QStringLiteral("찾지 못했습니다")));
    EXPECT_EQ(dlg().beeps, 1);
}
