// The error box and the guard every event handler runs through.
#include <QGuiApplication>
#include <QTest>
#include <QWidget>
#include <functional>
#include <gtest/gtest.h>
#include <stdexcept>

#include "box_collector.h"
#include "engine/engine_error.h"
#include "error_box.h"
#include "errors.h"
#include "event_guard.h"
#include "shell_texts.h"

using testing_support::BoxCollector;

namespace {

TEST(ErrorBoxText, GetsAFullStopOnlyAfterACharacterAboveTheFullStop) {
    const struct {
        const char* message;
        const char* shown;
    } cases[] = {
        {"Field 'Id_Cliente' must have a value", "Field 'Id_Cliente' must have a value."},
        {"Invalid value 12", "Invalid value 12."},
        {"Key violation:", "Key violation:."},
        {"Really?", "Really?."},
        {"Record locked by another user.", "Record locked by another user."},
        {"trailing blank ", "trailing blank "},
        {"Stop!", "Stop!"},
        {"engine (error $2109)", "engine (error $2109)"},
        {"a, b,", "a, b,"},
        {"", ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(withFullStop(QString::fromUtf8(c.message)), QString::fromUtf8(c.shown))
            << c.message;
}

TEST(ErrorBox, ShowsTheMessageUnderTheApplicationTitleWithStopIconAndOneOkButton) {
    BoxCollector collector;
    showErrorBox("Field 'Id_Cliente' must have a value");

    ASSERT_EQ(collector.boxes().size(), 1u);
    const auto& box = collector.boxes().front();
    EXPECT_EQ(box.title, QGuiApplication::applicationDisplayName());
    EXPECT_EQ(box.text, "Field 'Id_Cliente' must have a value.");
    EXPECT_EQ(box.icon, QMessageBox::Critical);
    EXPECT_EQ(box.buttons, QStringList{"OK"});
    EXPECT_EQ(box.modality, Qt::ApplicationModal);
}

TEST(ErrorBox, GivesTheActivationBackToTheWindowThatHadIt) {
    QWidget screen;
    screen.show();
    screen.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&screen));

    BoxCollector collector;
    showErrorBox("Anything");

    ASSERT_EQ(collector.boxes().size(), 1u);
    EXPECT_TRUE(QTest::qWaitForWindowActive(&screen));
}

TEST(EventGuard, ReportsWhatLeavesAHandlerAndDropsTheSilentAbort) {
    const struct {
        const char* what;
        std::function<void()> handler;
        QStringList boxes;
    } cases[] = {
        {"data error", [] { throw DataError("Field 'Nome' must have a value"); },
         {"Field 'Nome' must have a value."}},
        {"engine error",
         [] { throw engine::EngineError(engine::code::kTableMissing, {"No table nota_fiscal"}); },
         {"No table nota_fiscal."}},
        {"UTF-8 message", [] { throw std::runtime_error("Preço inválido"); },
         {"Preço inválido."}},
        {"message ending in a full stop", [] { throw std::runtime_error("Done."); }, {"Done."}},
        {"silent abort", [] { throw Abort(); }, {}},
        {"not a std::exception", [] { throw 42; }, {withFullStop(shelltexts::unknownFailure)}},
        {"no failure", [] {}, {}},
    };
    for (const auto& c : cases) {
        BoxCollector collector;
        guarded(c.handler);
        QCoreApplication::processEvents();
        EXPECT_EQ(collector.texts(), c.boxes) << c.what;
    }
}

TEST(EventGuard, ReleasesTheMouseGrab) {
    QWidget screen;
    screen.resize(100, 100);
    screen.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&screen));
    screen.grabMouse();
    ASSERT_EQ(QWidget::mouseGrabber(), &screen);

    BoxCollector collector;
    guarded([] { throw std::runtime_error("Failure"); });

    EXPECT_EQ(QWidget::mouseGrabber(), nullptr);
    EXPECT_EQ(collector.boxes().size(), 1u);
}

}  // namespace
