// The navigator on a real product table: which buttons are enabled in each state, moving away
// from a pending record, the delete question, and the repeat of a held button.
#include <QMessageBox>
#include <functional>
#include <gtest/gtest.h>

#include "frame_screen.h"

using namespace testing_support;
using B = NavigatorButton;

namespace {

// The enabled buttons, left to right, as '1' and '0'.
std::string enabledButtons(const FrameScreen& screen) {
    std::string result;
    for (int i = 0; i < navigatorButtonCount; ++i)
        result += screen.button(static_cast<B>(i))->isEnabled() ? '1' : '0';
    return result;
}

}  // namespace

TEST(Navigator, EnablesEachButtonOnlyWhenItsActionApplies) {
    struct Case {
        const char* situation;
        int products;
        bool open;
        std::function<void(FrameScreen&)> act;
        const char* enabled;  // First Prior Next Last Insert Delete Edit Post Cancel Refresh
    };
    const Case cases[] = {
        {"closed table", 3, false, {}, "0000000000"},
        {"empty table", 0, true, {}, "0000101001"},
        {"first of three", 3, true, {}, "0011111001"},
        {"second of three", 3, true, [](FrameScreen& s) { s.click(B::Next); }, "1111111001"},
        {"last of three", 3, true, [](FrameScreen& s) { s.click(B::Last); }, "1100111001"},
        {"Next past the end", 3, true,
         [](FrameScreen& s) { for (int i = 0; i < 3; ++i) s.click(B::Next); }, "1100111001"},
        {"editing the first", 3, true, [](FrameScreen& s) { s.click(B::Edit); }, "0011110111"},
        {"Edit on the empty table inserts", 0, true, [](FrameScreen& s) { s.click(B::Edit); },
         "0000110111"},
        {"typing on the empty table inserts", 0, true,
         [](FrameScreen& s) { s.type("Produto", "a"); }, "0000110111"},
        {"after Cancel", 3, true,
         [](FrameScreen& s) { s.click(B::Edit); s.click(B::Cancel); }, "0011111001"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.situation);
        TempDatabase database;
        FrameScreen screen(database);
        screen.addProducts(c.products);
        if (c.open)
            screen.open();
        else
            screen.show();
        if (c.act) c.act(screen);
        EXPECT_EQ(enabledButtons(screen), c.enabled);
    }
}

TEST(Navigator, ButtonsTakeNoFocusAndKeepTheirHints) {
    TempDatabase database;
    FrameScreen screen(database);
    DBNavigator* navigator = screen.frame().navigator();
    EXPECT_EQ(navigator->objectName(), "DBNavigator");
    EXPECT_EQ(navigator->size(), QSize(240, 25));
    EXPECT_EQ(navigator->focusPolicy(), Qt::NoFocus);
    const char* names[] = {"First", "Prior", "Next", "Last", "Insert",
                           "Delete", "Edit", "Post", "Cancel", "Refresh"};
    for (int i = 0; i < navigatorButtonCount; ++i) {
        QAbstractButton* button = screen.button(static_cast<B>(i));
        EXPECT_EQ(button->objectName(), names[i]);
        EXPECT_EQ(button->geometry(), QRect(24 * i, 0, 24, 25));
        EXPECT_EQ(button->focusPolicy(), Qt::NoFocus);
        EXPECT_TRUE(button->toolTip().isEmpty());
        EXPECT_FALSE(DBNavigator::hint(static_cast<B>(i)).isEmpty());
    }
    EXPECT_EQ(DBNavigator::hint(B::Post), "Post edit");
    EXPECT_EQ(DBNavigator::hint(B::Refresh), "Refresh data");
}

TEST(Navigator, MovingAwayPostsAChangeAndDropsAnUnchangedNewRecord) {
    TempDatabase database;
    FrameScreen screen(database);
    screen.addProducts(2);
    screen.open();

    screen.type("Produto", "Feijao");
    screen.click(B::Next);
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);  // no question asked
    EXPECT_EQ(screen.stored("Produto"), QStringList({"Feijao", "P02"}));
    EXPECT_EQ(screen.table().state(), DataSet::State::Browse);

    screen.click(B::Insert);
    screen.click(B::Next);
    EXPECT_EQ(screen.stored("Produto"), QStringList({"Feijao", "P02"}));
    EXPECT_EQ(screen.table().state(), DataSet::State::Browse);
    EXPECT_EQ(screen.edit("Produto")->text(), "P02");
}

TEST(Navigator, DeletesOnlyWhenTheQuestionIsAnsweredOk) {
    struct Case {
        const char* answer;  // "" closes the box
        QStringList left;
    };
    const Case cases[] = {
        {"OK", {"P02"}},
        {"Cancel", {"P01", "P02"}},
        {"", {"P01", "P02"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.answer);
        TempDatabase database;
        FrameScreen screen(database);
        screen.addProducts(2);
        screen.open();
        const SeenBox seen = screen.clickAnswering(B::Delete, c.answer);
        ASSERT_TRUE(seen.seen);
        EXPECT_EQ(seen.title, "Confirm");
        EXPECT_EQ(seen.text, "Delete record?");
        EXPECT_EQ(seen.icon, QMessageBox::Question);
        EXPECT_EQ(screen.stored("Produto"), c.left);
        EXPECT_EQ(screen.edit("Produto")->text(), c.left.front());
    }
}

TEST(Navigator, DeleteWhileInsertingDiscardsOnlyTheNewRecord) {
    TempDatabase database;
    FrameScreen screen(database);
    screen.addProducts(2);
    screen.open();
    screen.click(B::Insert);
    screen.type("Produto", "Novo");
    const SeenBox seen = screen.clickAnswering(B::Delete, "OK");
    ASSERT_TRUE(seen.seen);
    EXPECT_EQ(screen.table().state(), DataSet::State::Browse);
    EXPECT_EQ(screen.stored("Produto"), QStringList({"P01", "P02"}));
}

TEST(Navigator, DeleteWhileEditingLosesTheChanges) {
    TempDatabase database;
    FrameScreen screen(database);
    screen.addProducts(2);
    screen.open();
    screen.type("Produto", "Mudado");
    screen.clickAnswering(B::Delete, "OK");
    EXPECT_EQ(screen.stored("Produto"), QStringList({"P02"}));
}

TEST(Navigator, HeldNextRepeatsUntilReleased) {
    TempDatabase database;
    FrameScreen screen(database);
    screen.addProducts(40);
    screen.open();
    QAbstractButton* next = screen.button(B::Next);

    QTest::mousePress(next, Qt::LeftButton);
    QTest::qWait(800);
    QTest::mouseRelease(next, Qt::LeftButton);
    const int reached = screen.edit("Produto")->text().mid(1).toInt();
    EXPECT_GE(reached, 4);  // the release's click and more than one repeat before it

    QTest::qWait(300);
    EXPECT_EQ(screen.edit("Produto")->text().mid(1).toInt(), reached);
}

TEST(Navigator, RefreshShowsWhatAnotherWriterStored) {
    TempDatabase database;
    FrameScreen screen(database);
    screen.addProducts(2);
    screen.open();
    screen.click(B::Next);
    database.exec("update produto set Produto = 'Outro' where Produto = 'P02'");
    screen.click(B::Refresh);
    EXPECT_EQ(screen.edit("Produto")->text(), "Outro");
}
