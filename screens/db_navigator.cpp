#include "db_navigator.h"

#include <QAbstractButton>
#include <QPainter>

#include "confirm_delete.h"
#include "data_set.h"
#include "data_source.h"
#include "event_guard.h"
#include "frame_texts.h"

namespace {

constexpr int repeatDelayMs = 400;
constexpr int repeatIntervalMs = 100;

struct ButtonInfo {
    const char* name;
    const QString& hint;
};

const ButtonInfo& info(NavigatorButton which) {
    static const ButtonInfo table[navigatorButtonCount] = {
        {"First", frametexts::hintFirst},   {"Prior", frametexts::hintPrior},
        {"Next", frametexts::hintNext},     {"Last", frametexts::hintLast},
        {"Insert", frametexts::hintInsert}, {"Delete", frametexts::hintDelete},
        {"Edit", frametexts::hintEdit},     {"Post", frametexts::hintPost},
        {"Cancel", frametexts::hintCancel}, {"Refresh", frametexts::hintRefresh},
    };
    return table[static_cast<int>(which)];
}

// A navigator button in the flat look: a single dark outline instead of 3-D bevels, the
// picture shifted by a pixel while pressed, and the greyed picture while disabled.
class NavigatorButtonWidget : public QAbstractButton {
public:
    NavigatorButtonWidget(NavigatorButton which, QWidget* parent) : QAbstractButton(parent) {
        setObjectName(info(which).name);
        setProperty("hint", info(which).hint);
        setIcon(navigatorIcon(which));
        setIconSize({navigatorGlyphSize, navigatorGlyphSize});
        setFocusPolicy(Qt::NoFocus);
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        const QRect frame = rect().adjusted(0, 0, -1, -1);
        painter.fillRect(rect(), palette().button());
        painter.setPen(palette().color(QPalette::Shadow));
        painter.drawRect(frame);
        if (isDown()) {
            painter.setPen(palette().color(QPalette::Mid));
            painter.drawLine(1, 1, frame.right() - 1, 1);
            painter.drawLine(1, 1, 1, frame.bottom() - 1);
        }
        const QPixmap picture =
            icon().pixmap(iconSize(), isEnabled() ? QIcon::Normal : QIcon::Disabled);
        QPoint at((width() - iconSize().width()) / 2, (height() - iconSize().height()) / 2);
        if (isDown()) at += QPoint(1, 1);
        painter.drawPixmap(at, picture);
    }
};

}  // namespace

DBNavigator::DBNavigator(QWidget* parent) : QWidget(parent) {
    setObjectName("DBNavigator");
    setFocusPolicy(Qt::NoFocus);
    resize(240, 25);
    for (int i = 0; i < navigatorButtonCount; ++i) {
        const auto which = static_cast<NavigatorButton>(i);
        auto* button = new NavigatorButtonWidget(which, this);
        if (which == NavigatorButton::Prior || which == NavigatorButton::Next) {
            button->setAutoRepeat(true);
            button->setAutoRepeatDelay(repeatDelayMs);
            button->setAutoRepeatInterval(repeatIntervalMs);
        }
        connect(button, &QAbstractButton::clicked, this, [this, which] { buttonClicked(which); });
        buttons_[i] = button;
    }
    placeButtons();
    updateButtons();
}

DBNavigator::~DBNavigator() {
    if (source_) source_->removeLink(this);
}

void DBNavigator::setDataSource(DataSource* source) {
    if (source_ == source) return;
    if (source_) source_->removeLink(this);
    source_ = source;
    if (source_) source_->addLink(this);
    updateButtons();
}

QAbstractButton* DBNavigator::button(NavigatorButton which) const {
    return buttons_[static_cast<int>(which)];
}

QString DBNavigator::hint(NavigatorButton which) {
    return info(which).hint;
}

void DBNavigator::activeChanged() { updateButtons(); }
void DBNavigator::dataSetChanged() { updateButtons(); }
void DBNavigator::dataSetScrolled() { updateButtons(); }
void DBNavigator::editingChanged() { updateButtons(); }

void DBNavigator::resizeEvent(QResizeEvent*) { placeButtons(); }

// Each button is the bar's width shared by the ten, and as high as the bar.
void DBNavigator::placeButtons() {
    const int buttonWidth = width() / navigatorButtonCount;
    for (int i = 0; i < navigatorButtonCount; ++i)
        buttons_[i]->setGeometry(i * buttonWidth, 0, buttonWidth, height());
}

DataSet* DBNavigator::dataSet() const {
    return source_ ? source_->dataSet() : nullptr;
}

void DBNavigator::buttonClicked(NavigatorButton which) {
    guarded([&] {
        DataSet* data = dataSet();
        if (!data || !data->active()) return;
        try {
            act(which, *data);
        } catch (...) {
            // A held Prior or Next stops repeating rather than failing again behind the box.
            button(which)->setDown(false);
            updateButtons();
            throw;
        }
        updateButtons();  // a move that found no further record changes only bof or eof
    });
}

void DBNavigator::act(NavigatorButton which, DataSet& data) {
    switch (which) {
    case NavigatorButton::First: data.first(); break;
    case NavigatorButton::Prior: data.prior(); break;
    case NavigatorButton::Next: data.next(); break;
    case NavigatorButton::Last: data.last(); break;
    case NavigatorButton::Insert: data.insert(); break;
    case NavigatorButton::Delete:
        if (confirmDelete(this)) data.remove();
        break;
    case NavigatorButton::Edit: data.edit(); break;
    case NavigatorButton::Post: data.post(); break;
    case NavigatorButton::Cancel: data.cancel(); break;
    case NavigatorButton::Refresh: data.refresh(); break;
    }
}

void DBNavigator::updateButtons() {
    const DataSet* data = dataSet();
    const bool open = data && data->active();
    const bool modifiable = open && data->modifiable();
    const bool pending = open && data->pending();
    const bool atBeginning = !open || data->bof();
    const bool atEnd = !open || data->eof();
    const bool hasRecord = open && !data->isEmpty();  // a new record counts

    const bool enabled[navigatorButtonCount] = {
        !atBeginning, !atBeginning, !atEnd,   !atEnd,    modifiable,
        modifiable && hasRecord,    modifiable && !pending,
        modifiable && pending,      modifiable && pending, modifiable,
    };
    for (int i = 0; i < navigatorButtonCount; ++i) {
        if (!enabled[i]) buttons_[i]->setDown(false);  // also ends a held button's repeat
        buttons_[i]->setEnabled(enabled[i]);
    }
}
