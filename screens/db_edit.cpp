#include "db_edit.h"

#include <QApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QTimer>
#include <limits>

#include "data_set.h"
#include "data_source.h"
#include "event_guard.h"
#include "field.h"
#include "typing_key.h"

namespace {

// Keys that change the text without typing a character.
bool isEditingKey(QKeyEvent* event) {
    static const QKeySequence::StandardKey editing[] = {
        QKeySequence::Paste,           QKeySequence::Cut,
        QKeySequence::Undo,            QKeySequence::Redo,
        QKeySequence::Delete,          QKeySequence::Backspace,
        QKeySequence::DeleteEndOfWord, QKeySequence::DeleteStartOfWord,
        QKeySequence::DeleteEndOfLine, QKeySequence::DeleteCompleteLine,
    };
    if (event->key() == Qt::Key_Backspace || event->key() == Qt::Key_Delete) return true;
    for (auto key : editing)
        if (event->matches(key)) return true;
    return false;
}

}  // namespace

DBEdit::DBEdit(QWidget* parent) : QLineEdit(parent) {
    setMaxLength(std::numeric_limits<int>::max());
    setAcceptDrops(false);
    connect(this, &QLineEdit::textEdited, this, &DBEdit::textChangedByUser);
    showFieldText();
}

DBEdit::~DBEdit() {
    if (source_) source_->removeLink(this);
}

void DBEdit::setDataSource(DataSource* source) {
    if (source_ == source) return;
    if (source_) source_->removeLink(this);
    source_ = source;
    if (source_) source_->addLink(this);
    showFieldText();
}

void DBEdit::setDataField(const QString& fieldName) {
    fieldName_ = fieldName;
    showFieldText();
}

DataSet* DBEdit::dataSet() const {
    return source_ ? source_->dataSet() : nullptr;
}

Field* DBEdit::field() const {
    DataSet* data = dataSet();
    return data && data->active() ? data->findField(fieldName_) : nullptr;
}

bool DBEdit::canModify() const {
    return field() && dataSet()->modifiable();
}

bool DBEdit::startEditing() {
    return canModify() && source_->edit();
}

bool DBEdit::refuses(const QString& typed) const {
    const Field* shown = field();
    if (!shown) return false;
    for (QChar c : typed)
        if (!shown->acceptsChar(c)) return true;
    return false;
}

// Keys ask for editing before they change the text; any other way of changing it (the context
// menu, the middle button's paste) is caught here, and the record enters editing with the new
// text kept.
void DBEdit::textChangedByUser() {
    DataSet* data = dataSet();
    if (data && !data->pending() && canModify()) {
        const QString changed = text();
        const int cursor = cursorPosition();
        bool editing = false;
        keepText_ = true;
        guarded([&] { editing = startEditing(); });
        keepText_ = false;
        if (!editing) {
            showFieldText();
            return;
        }
        if (text() != changed) setText(changed);
        setCursorPosition(cursor);
    }
    modified_ = true;
}

void DBEdit::showFieldText() {
    if (keepText_) return;
    modified_ = false;
    const Field* shown = field();
    const bool editing = focused_ && canModify();
    Qt::Alignment alignment = Qt::AlignLeft;
    QString shownText;
    if (shown) {
        shownText = editing ? shown->editText() : shown->displayText();
        if (!editing) alignment = shown->alignment() & Qt::AlignHorizontal_Mask;
    }
    setAlignment(alignment | Qt::AlignVCenter);
    setReadOnly(!canModify());
    if (text() != shownText) setText(shownText);  // an equal text keeps the selection
    if (!focused_) setCursorPosition(0);  // a text wider than the edit shows its beginning
}

void DBEdit::writeText() {
    if (!modified_) return;
    Field* shown = field();
    if (!shown) return;
    shown->setText(text());  // the field's change shows its value again
    modified_ = false;
}

void DBEdit::activeChanged() { showFieldText(); }
void DBEdit::dataSetChanged() { showFieldText(); }
void DBEdit::dataSetScrolled() { showFieldText(); }

void DBEdit::recordChanged(Field* changed) {
    if (!changed || changed == field()) showFieldText();
}

void DBEdit::editingChanged() {
    if (!modified_) showFieldText();
}

void DBEdit::updateData() { writeText(); }

bool DBEdit::focusField(Field* wanted) {
    if (!wanted || wanted != field() || !isEnabled()) return false;
    setFocus(Qt::OtherFocusReason);
    return true;
}

void DBEdit::keyPressEvent(QKeyEvent* event) {
    guarded([&] {
        if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
            showFieldText();
            selectAll();
            event->accept();
            return;
        }
        const bool typing = isTypingKey(event);
        if (typing && refuses(event->text())) {
            QApplication::beep();
            event->accept();
            return;
        }
        if ((typing || isEditingKey(event)) && canModify() && !startEditing()) {
            event->accept();
            return;
        }
        QLineEdit::keyPressEvent(event);
    });
}

void DBEdit::inputMethodEvent(QInputMethodEvent* event) {
    guarded([&] {
        const QString typed = event->commitString();
        if (typed.isEmpty() || !canModify()) {
            QLineEdit::inputMethodEvent(event);
            return;
        }
        if (refuses(typed) || !startEditing()) {
            if (refuses(typed)) QApplication::beep();
            QInputMethodEvent withoutCommit(event->preeditString(), event->attributes());
            QLineEdit::inputMethodEvent(&withoutCommit);
            return;
        }
        QLineEdit::inputMethodEvent(event);
    });
}

void DBEdit::focusInEvent(QFocusEvent* event) {
    if (!focused_) {
        focused_ = true;
        guarded([&] { showFieldText(); });
    }
    QLineEdit::focusInEvent(event);  // selects the whole text when entered from the keyboard
}

namespace {
// The edit taking the focus back after a failed write. An edit it takes the focus from keeps
// its text unwritten for now: a second failure there would take the focus back in turn, and
// two edits would hand failures to each other without end.
const DBEdit* reclaiming = nullptr;
}  // namespace

void DBEdit::focusOutEvent(QFocusEvent* event) {
    QLineEdit::focusOutEvent(event);
    // Another window or a popup taking the focus is not leaving the edit.
    if (event->reason() == Qt::ActiveWindowFocusReason || event->reason() == Qt::PopupFocusReason)
        return;
    if (reclaiming && reclaiming != this) return;
    leave();
}

void DBEdit::leave() {
    focused_ = false;
    try {
        writeText();
        showFieldText();
    } catch (...) {
        focused_ = true;
        takeFocusBackAfter(std::current_exception());
    }
}

// The focus is already on its way to another control; once it has arrived, the edit takes it
// back with its text selected, and then the failure is reported.
void DBEdit::takeFocusBackAfter(std::exception_ptr failure) {
    QTimer::singleShot(0, this, [this, failure] {
        guarded([&] {
            reclaiming = this;
            setFocus(Qt::OtherFocusReason);
            reclaiming = nullptr;
            selectAll();
            std::rethrow_exception(failure);
        });
    });
}

void DBEdit::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LocaleChange && !modified_) guarded([&] { showFieldText(); });
    QLineEdit::changeEvent(event);
}
