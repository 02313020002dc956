#include "app/status_panels.h"
#include "app/tfmbu_main.h"
#include "tests/support/store_fixture.h"

#include <QLabel>
#include <QStatusBar>

TEST(StatusPanelWidths, OwnWidthsWithTheLastRunningToTheEdge) {
    EXPECT_EQ(statusPanelWidths(740), (std::array<int, 3>{190, 350, 200}));
    EXPECT_EQ(statusPanelWidths(900), (std::array<int, 3>{190, 350, 360}));
}

TEST(StatusPanelWidths, NarrowBarShrinksTheEmptyPanelFirstThenTheHint) {
    EXPECT_EQ(statusPanelWidths(609), (std::array<int, 3>{59, 350, 200}));
    EXPECT_EQ(statusPanelWidths(550), (std::array<int, 3>{0, 350, 200}));
    EXPECT_EQ(statusPanelWidths(400), (std::array<int, 3>{0, 200, 200}));
    EXPECT_EQ(statusPanelWidths(150), (std::array<int, 3>{0, 0, 150}));
}

class MainStatusBarTest : public StoreTest {};

TEST_F(MainStatusBarTest, PanelsSitSideBySideInTheNavyBoldBar) {
    TFMbu_main window;
    window.resize(900, 419);
    window.show();
    auto* bar = window.findChild<QStatusBar*>(QStringLiteral("StatusBar1"));
    ASSERT_NE(bar, nullptr);
    EXPECT_TRUE(bar->font().bold());
    EXPECT_EQ(bar->font().pixelSize(), 16);
    auto* clockPanel = window.findChild<QLabel*>(QStringLiteral("StatusPanel2"));
    EXPECT_EQ(clockPanel->palette().color(QPalette::WindowText), QColor(0, 0, 128));

    const auto* first = window.findChild<QLabel*>(QStringLiteral("StatusPanel0"));
    const auto* hint = window.findChild<QLabel*>(QStringLiteral("StatusPanel1"));
    EXPECT_EQ(first->width(), 190);
    EXPECT_EQ(hint->width(), 350);
    EXPECT_EQ(hint->x(), first->x() + 190);
    EXPECT_EQ(clockPanel->x(), hint->x() + 350);
    EXPECT_GE(clockPanel->width(), 200);
}
