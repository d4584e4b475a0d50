// Showing a screen modally: placement, waiting until the screen is closed, hiding instead of
// destroying, nesting, and giving the activation back.
#include <QApplication>
#include <QPointer>
#include <QScreen>
#include <QTest>
#include <QWidget>
#include <gtest/gtest.h>

#include "show_modal.h"
#include "support/modal.h"

using testing_support::whenModal;

namespace {

QPoint displayCentre(QWidget* window) {
    return window->screen()->availableGeometry().center();
}

bool isCentred(QWidget* window) {
    return (window->frameGeometry().center() - displayCentre(window)).manhattanLength() <= 2;
}

TEST(ShowModal, WaitsUntilTheScreenIsClosedWhichOnlyHidesIt) {
    QPointer<QWidget> screen = new QWidget;
    screen->resize(200, 100);
    bool wasActiveModal = false;
    whenModal([&](QWidget* modal) {
        wasActiveModal = modal == screen && screen->isVisible();
        screen->close();
    });
    showModal(screen);

    EXPECT_TRUE(wasActiveModal);
    ASSERT_FALSE(screen.isNull());
    EXPECT_TRUE(screen->isHidden());
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    delete screen;
}

TEST(ShowModal, CentresTheFirstShowingAndKeepsThePlaceAfterwards) {
    QWidget screen;
    screen.resize(200, 100);
    bool centredAtFirst = false;
    whenModal([&](QWidget*) {
        centredAtFirst = isCentred(&screen);
        screen.move(40, 50);
        screen.close();
    });
    showModal(&screen);
    EXPECT_TRUE(centredAtFirst);

    QPoint placeAtSecond;
    whenModal([&](QWidget*) {
        placeAtSecond = screen.pos();
        screen.close();
    });
    showModal(&screen);
    EXPECT_EQ(placeAtSecond, QPoint(40, 50));
}

TEST(ShowModal, LeavesAScreenThatPlacedItselfWhereItIs) {
    QWidget screen;
    screen.move(306, 185);
    screen.resize(200, 100);
    QPoint place;
    whenModal([&](QWidget*) {
        place = screen.pos();
        screen.close();
    });
    showModal(&screen);
    EXPECT_EQ(place, QPoint(306, 185));
}

TEST(ShowModal, NestsAndGivesTheActivationBackToTheScreenBeneath) {
    QWidget outer, inner;
    outer.resize(300, 200);
    inner.resize(200, 100);
    QWidget* modalInside = nullptr;
    bool outerActiveAgain = false;

    whenModal([&](QWidget*) {
        whenModal([&](QWidget* modal) {
            modalInside = modal;
            inner.close();
        });
        showModal(&inner);
        outerActiveAgain = QTest::qWaitForWindowActive(&outer);
        outer.close();
    });
    showModal(&outer);

    EXPECT_EQ(modalInside, &inner);
    EXPECT_TRUE(outerActiveAgain);
    EXPECT_TRUE(outer.isHidden());
    EXPECT_TRUE(inner.isHidden());
}

TEST(ShowModal, ReturnsAtOnceForAScreenDestroyedWhileShown) {
    auto screen = new QWidget;
    screen->resize(200, 100);
    whenModal([&](QWidget*) { screen->deleteLater(); });
    showModal(screen);
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

}  // namespace
