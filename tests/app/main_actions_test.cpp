#include "app/main_actions.h"
#include "app/tfmbu_main.h"
#include "listings/tfmbu_lst.h"
#include "tests/support/modal.h"
#include "tests/support/store_fixture.h"

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
