// The main menu: its layout, its keys, and the screen each button shows.
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <gtest/gtest.h>

#include "box_collector.h"
#include "principal.h"
#include "query.h"
#include "relatorio.h"
#include "startup.h"
#include "support/modal.h"
#include "support/temp_database.h"

using testing_support::BoxCollector;
using testing_support::TempDatabase;
using testing_support::whenModal;

namespace {

struct ButtonLayout {
    const char* name;
    const char* caption;
    QRect geometry;
};

// In tab order.
const ButtonLayout kButtons[] = {
    {"Button1", "Cadastro de Cliente", {21, 24, 137, 25}},
    {"Button2", "Cadastro de Produto", {181, 24, 137, 25}},
    {"Button3", "Emissao de Nota Fiscal", {341, 24, 137, 25}},
    {"BitBtn1", "Impressão Nota Fiscal", {508, 24, 131, 25}},
};

QPushButton* button(const char* name) { return Form1->findChild<QPushButton*>(name); }

class MainMenu : public ::testing::Test {
protected:
    void SetUp() override {
        screens_ = std::make_unique<Screens>();
        showMainWindow(*Form1);
        ASSERT_TRUE(QTest::qWaitForWindowActive(Form1));
    }
    void TearDown() override { screens_.reset(); }

    // Presses `key` on the focused button and returns the name of the screen that was shown
    // modally in answer (closing it again), or an empty name when none was.
    QString screenShownBy(Qt::Key key) {
        QString shown;
        whenModal([&](QWidget* modal) {
            shown = modal->objectName();
            modal->close();
        });
        QTest::keyClick(focused(), key);
        return shown;
    }

    // The main menu's focused control, once the menu is active again.
    static QWidget* focused() {
        EXPECT_TRUE(QTest::qWaitForWindowActive(Form1));
        return Form1->focusWidget();
    }

    TempDatabase database_{TempDatabase::Content::Tables};
    std::unique_ptr<Screens> screens_;
};

TEST_F(MainMenu, IsLaidOutAsDesigned) {
    EXPECT_EQ(Form1->windowTitle(), "Form1");
    EXPECT_EQ(Form1->size(), QSize(660, 77));
    const QPoint displayCentre = Form1->screen()->availableGeometry().center();
    EXPECT_LE((Form1->frameGeometry().center() - displayCentre).manhattanLength(), 2);

    for (const ButtonLayout& expected : kButtons) {
        QPushButton* b = button(expected.name);
        ASSERT_NE(b, nullptr) << expected.name;
        EXPECT_EQ(b->text(), QString::fromUtf8(expected.caption)) << expected.name;
        EXPECT_EQ(b->geometry(), expected.geometry) << expected.name;
        EXPECT_FALSE(b->isDefault()) << expected.name;
        EXPECT_FALSE(b->autoDefault()) << expected.name;
    }
}

TEST_F(MainMenu, GivesTheFocusToButton1AndTabWalksTheButtonsInOrder) {
    for (int round = 0; round < 2; ++round) {
        for (const ButtonLayout& expected : kButtons) {
            ASSERT_NE(QApplication::focusWidget(), nullptr);
            EXPECT_EQ(QApplication::focusWidget()->objectName(), expected.name);
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        }
    }
}

TEST_F(MainMenu, EnterReturnAndSpacePressTheFocusedButtonAndEscapeDoesNothing) {
    QTest::keyClick(focused(), Qt::Key_Tab);
    ASSERT_EQ(focused(), button("Button2"));

    EXPECT_EQ(screenShownBy(Qt::Key_Return), "Form3");
    EXPECT_EQ(screenShownBy(Qt::Key_Enter), "Form3");
    EXPECT_EQ(screenShownBy(Qt::Key_Space), "Form3");

    BoxCollector collector;
    QTest::keyClick(focused(), Qt::Key_Escape);
    QCoreApplication::processEvents();
    EXPECT_TRUE(Form1->isVisible());
    EXPECT_TRUE(collector.boxes().empty());
}

TEST_F(MainMenu, EachButtonShowsItsScreenModallyAndTheMenuIsActiveAgainAfterwards) {
    const struct {
        const char* button;
        const char* screen;
    } cases[] = {{"Button1", "Form2"}, {"Button2", "Form3"}, {"Button3", "Form5"},
                 {"BitBtn1", "Form6"}};
    for (const auto& c : cases) {
        QString shown;
        whenModal([&](QWidget* modal) {
            shown = modal->objectName();
            modal->close();
        });
        QTest::mouseClick(button(c.button), Qt::LeftButton);
        EXPECT_EQ(shown, c.screen) << c.button;
        EXPECT_TRUE(QTest::qWaitForWindowActive(Form1)) << c.button;
    }
}

TEST_F(MainMenu, PrintButtonRunsTheReportQueryAgainBeforeEachShowing) {
    // Each showing reports whether the print screen found invoice 1's lines.
    auto showPrintScreen = [] {
        bool open = false, hasLines = false;
        whenModal([&](QWidget* modal) {
            open = Form6->Query1->active();
            hasLines = open && !Form6->Query1->isEmpty();
            modal->close();
        });
        QTest::mouseClick(button("BitBtn1"), Qt::LeftButton);
        EXPECT_TRUE(open);
        return hasLines;
    };

    EXPECT_FALSE(showPrintScreen());

    database_.exec("insert into pessoa (id_cliente, nome) values (10, 'Ana')");
    database_.exec("insert into endereco (id_endereco, id_cliente, logradouro) "
                   "values (20, 10, 'Rua A')");
    database_.exec("insert into produto (id_produto, produto, descricao, valor) "
                   "values (30, 'Caneta', 'Caneta azul', 2.5)");
    database_.exec("insert into nota_fiscal (numero_nf, id_cliente, id_endereco) "
                   "values (1, 10, 20)");
    database_.exec("insert into item (id_nota_fiscal, id_produto, quantidade) values (1, 30, 4)");
    EXPECT_TRUE(showPrintScreen());
}

}  // namespace
