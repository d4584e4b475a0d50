#include "spin_edit.h"

#include <algorithm>

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <limits>

#include "locale_settings.h"
#include "typing_key.h"

namespace {

// The value of text that does not read as a whole number: the lower bound, which with no
// bounds set is 0.
constexpr std::int32_t kFallbackValue = 0;

int digitValue(QChar c, int base) {
    int value = -1;
    if (c >= '0' && c <= '9') value = c.unicode() - '0';
    else if (c >= 'a' && c <= 'f') value = c.unicode() - 'a' + 10;
    else if (c >= 'A' && c <= 'F') value = c.unicode() - 'A' + 10;
    return value < base ? value : -1;
}

}  // namespace

SpinEdit::SpinEdit(QWidget* parent) : QAbstractSpinBox(parent) {
    setValue(0);
}

std::int32_t SpinEdit::value() const {
    return readWholeNumber(text()).value_or(kFallbackValue);
}

void SpinEdit::setValue(std::int32_t value) {
    lineEdit()->setText(QString::number(value));
}

std::optional<std::int32_t> SpinEdit::readWholeNumber(const QString& text) {
    qsizetype i = 0;
    while (i < text.size() && text[i] == ' ') ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
    int base = 10;
    if (i < text.size() && text[i] == '$') {
        base = 16;
        ++i;
    }
    if (i == text.size()) return std::nullopt;

    // The magnitude may reach 2^31 only for a negative number.
    const std::int64_t limit = std::int64_t{std::numeric_limits<std::int32_t>::max()} + (negative ? 1 : 0);
    std::int64_t magnitude = 0;
    for (; i < text.size(); ++i) {
        const int digit = digitValue(text[i], base);
        if (digit < 0) return std::nullopt;
        magnitude = magnitude * base + digit;
        if (magnitude > limit) return std::nullopt;
    }
    return static_cast<std::int32_t>(negative ? -magnitude : magnitude);
}

// Steps stop at the ends of the 32-bit range rather than wrapping round to the other end.
void SpinEdit::stepBy(int steps) {
    const std::int64_t stepped = std::int64_t{value()} + steps;
    setValue(static_cast<std::int32_t>(
        std::clamp<std::int64_t>(stepped, std::numeric_limits<std::int32_t>::min(),
                                 std::numeric_limits<std::int32_t>::max())));
    selectAll();
}

// Any text is kept as it stands; only typed keys are limited.
QValidator::State SpinEdit::validate(QString&, int&) const { return QValidator::Acceptable; }

void SpinEdit::fixup(QString&) const {}

QAbstractSpinBox::StepEnabled SpinEdit::stepEnabled() const {
    return StepUpEnabled | StepDownEnabled;
}

bool SpinEdit::acceptsTyped(const QString& text) const {
    const QChar decimalSeparator = LocaleSettings::current().decimalSeparator;
    for (QChar c : text)
        if (!(c >= '0' && c <= '9') && c != '+' && c != '-' && c != decimalSeparator)
            return false;
    return true;
}

void SpinEdit::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        QApplication::beep();
        event->accept();
        return;
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
        event->accept();  // only the arrows step
        return;
    default:
        break;
    }
    if (isTypingKey(event) && !acceptsTyped(event->text())) {
        QApplication::beep();
        event->accept();
        return;
    }
    QAbstractSpinBox::keyPressEvent(event);
}
