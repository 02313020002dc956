#include "common/store_helpers.h"
#include "data/query.h"
#include "data/table.h"
#include "tests/support/store_fixture.h"

class StoreHelpersTest : public StoreTest {
protected:
    void SetUp() override {
        StoreTest::SetUp();
        sql(QStringLiteral("INSERT INTO upche (COMNO, COMNAME) VALUES ('111', '가나상사'), ('222', '다라물산')"));
        sql(QStringLiteral("INSERT INTO maipmach (Scancode, Comno, Comname, Money) VALUES "
                           "('k1', '111', '가나상사', 100), ('k2', '111', '가나상사', 200), ('k3', '222', '다라물산', 5)"));
    }
};

TEST_F(StoreHelpersTest, DeleteByKeyReportsAndCloses) {
    Table t(QStringLiteral("maipmach.db"));
    EXPECT_FALSE(deleteByKey(t, QStringLiteral("nope"), true, true));
    EXPECT_EQ(dlg().last().text, QStringLiteral("해당되는 자료가 존재하지 않습니다 ...!"));
    EXPECT_FALSE(t.isOpen()) << "a missing key closes the table even when keep-open is set";

    EXPECT_TRUE(deleteByKey(t, QStringLiteral("k2"), true, false));
    EXPECT_EQ(dlg().last().text, QStringLiteral("자료를 삭제하였습니다 ...!"));
    EXPECT_EQ(dlg().last().icon, Dialogs::Icon::Information);
    EXPECT_EQ(rows(QStringLiteral("maipmach")), 2);
    EXPECT_FALSE(t.isOpen());

    dlg().reset();
    EXPECT_TRUE(deleteByKey(t, QStringLiteral("k1"), false, true));
    EXPECT_TRUE(t.isOpen());
    EXPECT_EQ(t.text(QStringLiteral("Comno")), QStringLiteral("111"));
    EXPECT_TRUE(dlg().messages.isEmpty());
}

TEST_F(StoreHelpersTest, ExistsOrDeleteWithTypedValues) {
    Query q;
    EXPECT_TRUE(existsOrDelete(q, QStringLiteral("maipmach.db"), QStringLiteral("comno"), ExistsMode::Check,
                               QStringLiteral("111")));
    EXPECT_FALSE(existsOrDelete(q, QStringLiteral("maipmach.db"), QStringLiteral("comno"), ExistsMode::Check,
                                QStringLiteral("333")));
    EXPECT_FALSE(existsOrDelete(q, QStringLiteral("maipmach.db"), QStringLiteral("comname"), ExistsMode::Check,
                                QStringLiteral("x' or '1'='1")));
    existsOrDelete(q, QStringLiteral("maipmach.db"), QStringLiteral("comno"), ExistsMode::Delete,
                   QStringLiteral("111"));
    EXPECT_EQ(rows(QStringLiteral("maipmach")), 1);
    EXPECT_FALSE(q.isOpen());
}

TEST_F(StoreHelpersTest, FieldUpdateWithOneAndTwoKeys) {
    Query q;
    updateField(q, QStringLiteral("maipmach.db"), QStringLiteral("comno"), QStringLiteral("999"),
                QStringLiteral("comno"), QStringLiteral("111"));
    EXPECT_EQ(scalar(QStringLiteral("SELECT count(*) FROM maipmach WHERE Comno='999'")).toInt(), 2);
    updateField(q, QStringLiteral("maipmach.db"), QStringLiteral("comname"), QStringLiteral("새\"이름"),
                QStringLiteral("comno"), QStringLiteral("999"), QStringLiteral("Scancode"), QStringLiteral("k1"));
    EXPECT_EQ(scalar(QStringLiteral("SELECT Comname FROM maipmach WHERE Scancode='k1'")).toString(),
              QStringLiteral("새\"이름"));
    EXPECT_EQ(scalar(QStringLiteral("SELECT Comname FROM maipmach WHERE Scancode='k2'")).toString(),
              QStringLiteral("가나상사"));
    // An empty second key value leaves the second condition out.
    updateField(q, QStringLiteral("maipmach.db"), QStringLiteral("remark"), QStringLiteral("전체"),
                QStringLiteral("comno"), QStringLiteral("999"), QStringLiteral("Scancode"), QString());
    EXPECT_EQ(scalar(QStringLiteral("SELECT count(*) FROM maipmach WHERE Remark='전체'")).toInt(), 2);
}

TEST_F(StoreHelpersTest, OpenWithRetryAsksUntilCancelled) {
    Query bad;
    bad.add(QStringLiteral("select * from \"NOSUCH.DB\""));
    dlg().script({Dialogs::Answer::Retry, Dialogs::Answer::Cancel});
    EXPECT_FALSE(openWithRetry(bad));
    ASSERT_EQ(dlg().messages.size(), 2);
    EXPECT_EQ(dlg().last().text, QStringLiteral("자료를 읽는데 문제가 생겼습니다. 계속시도할까요 ...?"));
    EXPECT_EQ(dlg().last().buttons, Dialogs::Buttons::RetryCancel);

    Query good;
    good.add(QStringLiteral("select * from upche"));
    EXPECT_TRUE(openWithRetry(good));
    EXPECT_EQ(good.recordCount(), 2);
}
