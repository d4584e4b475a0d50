#include "field.h"

#include "data_set.h"

Field::Field(DataSet* dataSet, FieldDef def) : dataSet_(dataSet), def_(std::move(def)) {}

bool Field::acceptsChar(QChar c) const {
    return fieldtext::acceptsChar(def_.kind, c, LocaleSettings::current());
}

const engine::Value& Field::value() const { return dataSet_->currentValue(*this); }

bool Field::isNull() const { return engine::isNull(value()); }

QString Field::displayText() const {
    return fieldtext::displayText(def_.kind, value(), LocaleSettings::current());
}

QString Field::editText() const {
    return fieldtext::editText(def_.kind, value(), LocaleSettings::current());
}

double Field::asFloat() const {
    const engine::Value& v = value();
    if (auto i = std::get_if<std::int64_t>(&v)) return double(*i);
    if (auto d = std::get_if<double>(&v)) return *d;
    if (auto s = std::get_if<std::string>(&v)) {
        const FieldDef asNumber{def_.name, FieldKind::Number, 0, false};
        const engine::Value parsed =
            fieldtext::parse(asNumber, QString::fromStdString(*s), LocaleSettings::current());
        if (auto d = std::get_if<double>(&parsed)) return *d;
    }
    return 0;
}

QString Field::asString() const {
    const engine::Value& v = value();
    if (def_.kind == FieldKind::Money && !std::holds_alternative<std::string>(v))
        return fieldtext::displayText(FieldKind::Number, v, LocaleSettings::current());
    return displayText();
}

void Field::setText(const QString& text) {
    dataSet_->setFieldValue(*this, fieldtext::parse(def_, text, LocaleSettings::current()));
}

void Field::setValue(const engine::Value& value) { dataSet_->setFieldValue(*this, value); }

void Field::clear() { setValue(engine::Value{}); }
