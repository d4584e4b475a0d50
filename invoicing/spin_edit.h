#pragma once
// The quantity box of the add-item dialog: an edit with up and down arrows and no bounds.
// The arrows and the Up and Down keys add or subtract one from the value; typed keys are
// limited to digits, '+', '-' and the decimal separator (others, Enter included, beep), while
// pasted text is taken as it is. The value is the text read as a whole number, or 0 when the
// text does not read as one, so leaving the box never changes its text.

#include <QAbstractSpinBox>
#include <cstdint>
#include <optional>

class SpinEdit : public QAbstractSpinBox {
    Q_OBJECT
public:
    explicit SpinEdit(QWidget* parent = nullptr);

    // The text as a whole number; 0 when it is not one.
    std::int32_t value() const;
    void setValue(std::int32_t value);

    // Optional leading blanks, an optional sign, then decimal digits or '$' and hexadecimal
    // digits, nothing after them, within the signed 32-bit range; empty otherwise.
    static std::optional<std::int32_t> readWholeNumber(const QString& text);

    void stepBy(int steps) override;
    QValidator::State validate(QString& input, int& position) const override;
    void fixup(QString& input) const override;

protected:
    StepEnabled stepEnabled() const override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    bool acceptsTyped(const QString& text) const;
};
