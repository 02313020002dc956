#include "app/main_actions.h"
#include "app/tfmbu_main.h"
#include "listings/tfmbu_lst.h"
#include "tests/support/modal.h"
#include "tests/support/store_fixture.h"
#include "tools/diary_entries.h"
#include "tools/tfmdiary.h"
#include "tools/tfmmanual.h"

#include <QPushButton>
#include <QTest>

using MainActionsTest = StoreTest;

TEST_F(MainActionsTest, ListingButtonOpensTheListingList) {
    TFMbu_main window;
    connectMainActions(window);
    window.show();
    QString caption;
    bool expiring = true;
    ModalHandler handler([&](QWidget* modal) {
        auto* list = qobject_cast<TFMbu_lst*>(modal);
        ASSERT_NE(list, nullptr);
        caption = list->windowTitle();
        expiring = list->showsExpiringLeases();
        list->reject();
    });
    emit window.listingsRequested();
    EXPECT_TRUE(handler.appeared());
    EXPECT_EQ(caption, QStringLiteral("매물관리"));
    EXPECT_FALSE(expiring);
}

TEST_F(MainActionsTest, ExpiringLeasesButtonOpensTheListInThatMode) {
    TFMbu_main window;
    connectMainActions(window);
    window.show();
    bool expiring = false;
    ModalHandler handler([&](QWidget* modal) {
        auto* list = qobject_cast<TFMbu_lst*>(modal);
        ASSERT_NE(list, nullptr);
        expiring = list->showsExpiringLeases();
        list->reject();
    });
    auto* button = window.findChild<QPushButton*>(QStringLiteral("BitBtn2"));
    ASSERT_NE(button, nullptr);
    QTest::mouseClick(button, Qt::LeftButton);
    EXPECT_TRUE(handler.appeared());
    EXPECT_TRUE(expiring);
    EXPECT_TRUE(dlg().errors.isEmpty());
}

TEST_F(MainActionsTest, MemoButtonOpensTheMemoNotes) {
    TFMbu_main window;
    connectMainActions(window);
    window.show();
    QString caption;
    ModalHandler handler([&](QWidget* modal) {
        caption = modal->windowTitle();
        modal->close();
    });
    emit window.memosRequested();
    EXPECT_TRUE(handler.appeared());
    EXPECT_EQ(caption, QStringLiteral("메모노트"));
}

TEST_F(MainActionsTest, DiaryAndManualButtonsOpenTheBuiltInForms) {
    TFMbu_main window;
    connectMainActions(window);
    window.show();
    ASSERT_EQ(window.statusText(0), QStringLiteral("오늘 일정 0건, 내일 0건"));
    QStringList opened;
    {
        ModalHandler handler([&](QWidget* modal) {
            opened.append(modal->windowTitle());
            EXPECT_NE(qobject_cast<TFMdiary*>(modal), nullptr);
            // An entry for today made while the diary is open.
            addDiaryEntry(QStringLiteral("2026-12-08"), QStringLiteral("계약"), {});
            modal->close();
        });
        QTest::mouseClick(window.findChild<QWidget*>(QStringLiteral("BT3")), Qt::LeftButton);
        EXPECT_TRUE(handler.appeared());
    }
    EXPECT_EQ(window.statusText(0), QStringLiteral("오늘 일정 1건, 내일 0건"));
    {
        ModalHandler handler([&](QWidget* modal) {
            opened.append(modal->windowTitle());
            EXPECT_NE(qobject_cast<TFMmanual*>(modal), nullptr);
            modal->close();
        });
        QTest::mouseClick(window.findChild<QPushButton*>(QStringLiteral("BitBtn1")),
                          Qt::LeftButton);
        EXPECT_TRUE(handler.appeared());
    }
    EXPECT_EQ(opened, (QStringList{QStringLiteral("큰달력 일정관리"), QStringLiteral("설명서")}));
    EXPECT_TRUE(dlg().errors.isEmpty());
}
