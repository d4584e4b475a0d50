// The record editing frame: the exact positions of the three screens built on it, the panels
// following the window's size, the tab order with the scroll box keeping the focused edit in
// view, and the focus coming back when a screen is shown again.
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QTableView>
#include <gtest/gtest.h>

#include "bevel_panel.h"
#include "frame_screen.h"
#include "frame_scroll_box.h"

using namespace testing_support;

namespace {

struct Placement {
    QPoint label;
    QRect edit;
};

struct ScreenGeometry {
    const char* screen;
    const TableDef& def;
    FrameLayout layout;
    QSize client;
    QRect panel2, scrollBox, panel3, grid;  // panel3 and grid empty without a grid
    std::vector<Placement> fields;
};

std::vector<ScreenGeometry> screenGeometries() {
    return {
        {"customer", schema::pessoa(), customerLayout(), {373, 315},
         {0, 41, 373, 137}, {6, 6, 361, 125}, {0, 178, 373, 137}, {6, 6, 361, 125},
         {{{6, 6}, {6, 21, 65, 21}},
          {{77, 6}, {77, 21, 55, 21}},
          {{6, 44}, {6, 59, 265, 21}},
          {{6, 82}, {6, 97, 65, 21}},
          {{113, 82}, {113, 97, 65, 21}},
          {{6, 120}, {6, 135, 288, 21}},
          {{6, 158}, {6, 173, 65, 21}}}},
        {"product", schema::produto(), productLayout(), {373, 315},
         {0, 41, 373, 274}, {6, 6, 361, 262}, {}, {},
         {{{6, 6}, {6, 21, 55, 21}},
          {{67, 6}, {67, 21, 165, 21}},
          {{6, 44}, {6, 59, 288, 21}},
          {{6, 82}, {6, 97, 65, 21}},
          {{6, 120}, {6, 135, 288, 21}},
          {{6, 158}, {6, 173, 65, 21}}}},
        {"invoice", schema::notaFiscal(), invoiceLayout(), {386, 382},
         {0, 41, 386, 176}, {6, 6, 374, 164}, {0, 217, 386, 165}, {6, 6, 374, 153},
         {{{6, 6}, {6, 21, 65, 21}},
          {{77, 6}, {77, 21, 55, 21}},
          {{154, 6}, {154, 21, 65, 21}},
          {{225, 6}, {225, 21, 65, 21}},
          {{6, 44}, {6, 59, 55, 21}},
          {{6, 82}, {6, 97, 288, 21}},
          {{6, 120}, {6, 135, 65, 21}}}},
    };
}

QWidget* pressTab(Qt::Key key = Qt::Key_Tab) {
    QTest::keyClick(QApplication::focusWidget(), key);
    return QApplication::focusWidget();
}

// Whether `widget` lies wholly inside the scroll box's visible part.
bool inView(const RecordFrame& frame, const QWidget* widget) {
    const QWidget* viewport = frame.scrollBox()->viewport();
    const QRect shown(widget->mapTo(viewport, QPoint(0, 0)), widget->size());
    return viewport->rect().contains(shown);
}

}  // namespace

TEST(RecordFrame, PlacesEveryScreenExactlyAsDesigned) {
    for (const ScreenGeometry& g : screenGeometries()) {
        SCOPED_TRACE(g.screen);
        TempDatabase database;
        FrameScreen screen(database, g.def, g.layout, g.client);
        RecordFrame& frame = screen.frame();
        auto* grid = new QTableView(&screen.form());
        frame.setDetailGrid(grid);

        EXPECT_EQ(frame.panel1()->geometry(), QRect(0, 0, g.client.width(), 41));
        EXPECT_EQ(frame.navigator()->geometry(), QRect(8, 8, 240, 25));
        EXPECT_EQ(frame.panel2()->geometry(), g.panel2);
        EXPECT_EQ(frame.panel2()->caption(), "Panel2");
        EXPECT_EQ(frame.scrollBox()->geometry(), g.scrollBox);
        EXPECT_EQ(frame.scrollContent()->minimumSize(), g.layout.scrollRange);
        if (g.panel3.isEmpty()) {
            EXPECT_EQ(frame.panel3(), nullptr);
            EXPECT_EQ(frame.detailGrid(), nullptr);
        } else {
            ASSERT_NE(frame.panel3(), nullptr);
            EXPECT_EQ(frame.panel3()->geometry(), g.panel3);
            EXPECT_EQ(grid->parentWidget(), frame.panel3());
            EXPECT_EQ(grid->geometry(), g.grid);
            EXPECT_EQ(grid->frameShape(), QFrame::NoFrame);
        }

        ASSERT_EQ(frame.edits().size(), g.fields.size());
        std::vector<FieldPlacement> placed;
        for (std::size_t i = 0; i < g.fields.size(); ++i) {
            const QString name = g.def.fields[i].name;
            SCOPED_TRACE(name.toStdString());
            const QLabel* label = frame.labels()[i];
            const DBEdit* edit = frame.edits()[i];
            EXPECT_EQ(label->objectName(), QStringLiteral("Label%1").arg(i + 1));
            EXPECT_EQ(label->text(), name);
            EXPECT_EQ(label->pos(), g.fields[i].label);
            EXPECT_LE(label->width(), g.layout.fields[i].labelWidth);  // never into its neighbour
            EXPECT_EQ(label->buddy(), edit);
            EXPECT_EQ(edit->objectName(), "Edit" + name);
            EXPECT_EQ(edit->dataField(), name);
            EXPECT_EQ(edit->geometry(), g.fields[i].edit);
            placed.push_back({label->pos(), edit->geometry()});
        }
        EXPECT_EQ(framelayout::verticalRange(placed), g.layout.scrollRange.height());
    }
}

TEST(RecordFrame, ShowsScrollBarsOnlyWhenTheRangeExceedsTheBox) {
    struct Case {
        const char* screen;
        QSize client;
        bool vertical, horizontal;
    };
    const Case cases[] = {
        {"customer", {373, 315}, true, false},
        {"product", {373, 315}, false, false},
        {"product", {200, 150}, true, true},
        {"invoice", {386, 382}, false, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.screen) + " " + std::to_string(c.client.width()));
        for (const ScreenGeometry& g : screenGeometries()) {
            if (std::string(g.screen) != c.screen) continue;
            TempDatabase database;
            FrameScreen screen(database, g.def, g.layout, c.client);
            screen.show();
            EXPECT_EQ(screen.frame().scrollBox()->verticalScrollBar()->isVisible(), c.vertical);
            EXPECT_EQ(screen.frame().scrollBox()->horizontalScrollBar()->isVisible(),
                      c.horizontal);
        }
    }
}

TEST(RecordFrame, LastPanelTakesWhatTheWindowGains) {
    TempDatabase database;
    FrameScreen withGrid(database, schema::pessoa(), customerLayout());
    auto* grid = new QTableView(&withGrid.form());
    withGrid.frame().setDetailGrid(grid);
    withGrid.show();
    withGrid.form().resize(500, 400);
    EXPECT_EQ(withGrid.frame().panel1()->geometry(), QRect(0, 0, 500, 41));
    EXPECT_EQ(withGrid.frame().panel2()->geometry(), QRect(0, 41, 500, 137));
    EXPECT_EQ(withGrid.frame().panel3()->geometry(), QRect(0, 178, 500, 222));
    EXPECT_EQ(grid->geometry(), QRect(6, 6, 488, 210));

    FrameScreen withoutGrid(database);
    withoutGrid.show();
    withoutGrid.form().resize(500, 400);
    EXPECT_EQ(withoutGrid.frame().panel2()->geometry(), QRect(0, 41, 500, 359));
    EXPECT_EQ(withoutGrid.frame().scrollBox()->geometry(), QRect(6, 6, 488, 347));
}

TEST(RecordFrame, TabVisitsTheEditsThenTheGridKeepingTheEditInView) {
    TempDatabase database;
    FrameScreen screen(database, schema::pessoa(), customerLayout());
    RecordFrame& frame = screen.frame();
    auto* grid = new QTableView(&screen.form());
    frame.setDetailGrid(grid);
    database.exec("insert into pessoa (Id_Cliente, Nome) values (7, 'Ana')");
    screen.open();

    EXPECT_EQ(QApplication::focusWidget(), frame.panel1());  // no control shows a focus mark
    EXPECT_EQ(pressTab(), frame.edit("Id_Cliente"));
    EXPECT_EQ(frame.edit("Id_Cliente")->selectedText(), "7");
    for (const char* field : {"Id_Pessoa", "Nome", "Id_Endereco_Padrao", "Telefone", "Obs",
                              "Status"}) {
        SCOPED_TRACE(field);
        EXPECT_EQ(pressTab(), frame.edit(field));
        EXPECT_TRUE(inView(frame, frame.edit(field)));
    }
    EXPECT_EQ(pressTab(), grid);

    grid->clearFocus();
    frame.edit("Id_Cliente")->setFocus(Qt::MouseFocusReason);
    EXPECT_TRUE(inView(frame, frame.edit("Id_Cliente")));
    EXPECT_EQ(frame.scrollBox()->verticalScrollBar()->value(), 21 - 6);  // 6 pixels to spare
    EXPECT_EQ(pressTab(Qt::Key_Backtab), grid);  // backwards past the first edit
}

TEST(RecordFrame, ScrollBoxControlsFollowTheEditsInTabOrder) {
    TempDatabase database;
    FrameScreen screen(database, schema::notaFiscal(), invoiceLayout(), {386, 382});
    RecordFrame& frame = screen.frame();
    auto* grid = new QTableView(&screen.form());
    frame.setDetailGrid(grid);
    auto* button = new QPushButton("Button1");
    frame.addScrollBoxControl(button, {232, 128, 129, 25});
    screen.open();

    EXPECT_EQ(button->parentWidget(), frame.scrollContent());
    EXPECT_EQ(button->geometry(), QRect(232, 128, 129, 25));
    screen.focus("Status");
    EXPECT_EQ(pressTab(), button);
    EXPECT_EQ(pressTab(), grid);
}

TEST(RecordFrame, ShownAgainTheScreenKeepsTheFocusAndTheTypedText) {
    TempDatabase database;
    FrameScreen screen(database);
    screen.addProducts(1);
    screen.open();
    screen.type("Produto", "abc");
    screen.form().hide();
    QApplication::processEvents();

    screen.show();
    EXPECT_TRUE(QTest::qWaitFor(
        [&] { return QApplication::focusWidget() == screen.edit("Produto"); }));
    EXPECT_EQ(screen.edit("Produto")->text(), "abc");
    EXPECT_EQ(screen.table().state(), DataSet::State::Edit);
    EXPECT_EQ(screen.stored("Produto"), QStringList({"P01"}));

    QTest::keyClick(screen.edit("Produto"), Qt::Key_Tab);
    screen.click(NavigatorButton::Post);
    EXPECT_EQ(screen.stored("Produto"), QStringList({"abc"}));
}
