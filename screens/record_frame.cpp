#include "record_frame.h"

#include <QApplication>
#include <QEvent>
#include <QLabel>

#include "bevel_panel.h"
#include "db_edit.h"
#include "db_navigator.h"
#include "frame_scroll_box.h"
#include "frame_texts.h"
#include "screen_font.h"

namespace {

constexpr int navigatorPanelHeight = 41;
constexpr QRect navigatorGeometry(8, 8, 240, 25);

constexpr int narrowestStretch = 60;  // percent of the normal width

// Sizes the label to its text; text wider than the width the positions were designed for is
// drawn condensed to that width, so it does not run into the next field of its row.
void fitLabel(QLabel* label, int designWidth) {
    label->adjustSize();
    if (designWidth <= 0 || label->width() <= designWidth) return;
    QFont condensed = label->font();
    // Widths round per glyph, so narrow a step further until the text fits.
    for (int stretch = 100 * designWidth / label->width();
         stretch >= narrowestStretch && label->width() > designWidth; --stretch) {
        condensed.setStretch(stretch);
        label->setFont(condensed);
        label->adjustSize();
    }
}

}  // namespace

RecordFrame::RecordFrame(QWidget* form, DataSource* master, const FrameLayout& layout)
    : QObject(form), form_(form), layout_(layout) {
    setObjectName("RecordFrame");
    form_->setFont(screenFont());

    panel1_ = new BevelPanel(BevelPanel::Kind::Raised, form_);
    panel1_->setObjectName("Panel1");
    navigator_ = new DBNavigator(panel1_);
    navigator_->setGeometry(navigatorGeometry);
    navigator_->setDataSource(master);

    panel2_ = new BevelPanel(BevelPanel::Kind::Framed, form_);
    panel2_->setObjectName("Panel2");
    panel2_->setCaption(frametexts::panel2Caption);
    scrollBox_ = new FrameScrollBox(layout_.scrollRange);
    scrollBox_->setObjectName("ScrollBox");
    scrollContent()->setObjectName("ScrollContent");
    panel2_->setClient(scrollBox_);

    if (layout_.hasDetailGrid()) {
        panel3_ = new BevelPanel(BevelPanel::Kind::Framed, form_);
        panel3_->setObjectName("Panel3");
        panel3_->setCaption(frametexts::panel3Caption);
    }

    buildFields(master);
    chainTabOrder();
    fitPanels();
    form_->installEventFilter(this);
    connect(qApp, &QApplication::focusChanged, this,
            [this](QWidget*, QWidget* now) { scrollIntoView(now); });
    // Until the user tabs into the edits no control shows a focus mark.
    panel1_->setFocus(Qt::OtherFocusReason);
}

QWidget* RecordFrame::scrollContent() const {
    return scrollBox_->widget();
}

void RecordFrame::buildFields(DataSource* master) {
    const auto placements =
        framelayout::place(layout_.fields, layout_.scrollRange.width());
    for (std::size_t i = 0; i < layout_.fields.size(); ++i) {
        const QString& name = layout_.fields[i].def.name;
        auto* label = new QLabel(name, scrollContent());
        label->setObjectName(QStringLiteral("Label%1").arg(i + 1));
        label->setTextFormat(Qt::PlainText);
        label->move(placements[i].label);
        fitLabel(label, layout_.fields[i].labelWidth);

        auto* edit = new DBEdit(scrollContent());
        edit->setObjectName("Edit" + name);
        edit->setGeometry(placements[i].edit);
        edit->setDataSource(master);
        edit->setDataField(name);
        label->setBuddy(edit);

        labels_.push_back(label);
        edits_.push_back(edit);
    }
}

DBEdit* RecordFrame::edit(const QString& fieldName) const {
    for (DBEdit* edit : edits_)
        if (edit->dataField().compare(fieldName, Qt::CaseInsensitive) == 0) return edit;
    return nullptr;
}

QLabel* RecordFrame::label(const QString& fieldName) const {
    for (std::size_t i = 0; i < edits_.size(); ++i)
        if (edits_[i]->dataField().compare(fieldName, Qt::CaseInsensitive) == 0) return labels_[i];
    return nullptr;
}

void RecordFrame::setDetailGrid(QWidget* grid) {
    if (!panel3_ || !grid) return;
    grid_ = grid;
    if (auto* frame = qobject_cast<QFrame*>(grid)) frame->setFrameShape(QFrame::NoFrame);
    panel3_->setClient(grid);
    chainTabOrder();
}

void RecordFrame::addScrollBoxControl(QWidget* control, const QRect& geometry) {
    control->setParent(scrollContent());
    control->setGeometry(geometry);
    control->show();
    scrollBoxControls_.push_back(control);
    chainTabOrder();
}

void RecordFrame::chainTabOrder() {
    std::vector<QWidget*> chain(edits_.begin(), edits_.end());
    chain.insert(chain.end(), scrollBoxControls_.begin(), scrollBoxControls_.end());
    if (grid_) chain.push_back(grid_);
    for (std::size_t i = 1; i < chain.size(); ++i) QWidget::setTabOrder(chain[i - 1], chain[i]);
}

void RecordFrame::fitPanels() {
    const int width = form_->width();
    const int below = std::max(0, form_->height() - navigatorPanelHeight);
    panel1_->setGeometry(0, 0, width, navigatorPanelHeight);
    if (panel3_) {
        const int masterHeight = layout_.masterPanelHeight;
        panel2_->setGeometry(0, navigatorPanelHeight, width, masterHeight);
        panel3_->setGeometry(0, navigatorPanelHeight + masterHeight, width,
                             std::max(0, below - masterHeight));
    } else {
        panel2_->setGeometry(0, navigatorPanelHeight, width, below);
    }
    for (BevelPanel* panel : {panel2_, panel3_})
        if (panel) panel->fitClient();
}

void RecordFrame::scrollIntoView(QWidget* focused) {
    if (focused) scrollBox_->scrollIntoView(focused);
}

bool RecordFrame::eventFilter(QObject* watched, QEvent* event) {
    if (watched == form_ && event->type() == QEvent::Resize) fitPanels();
    return QObject::eventFilter(watched, event);
}
