#include "column_types.h"

#include <cctype>
#include <regex>

namespace engine {
namespace {

std::string normalised(const std::string& declared) {
    std::string text;
    for (char c : declared) {
        if (std::isspace(static_cast<unsigned char>(c))) {
            if (!text.empty() && text.back() != ' ') text += ' ';
        } else {
            text += static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
        }
    }
    if (!text.empty() && text.back() == ' ') text.pop_back();
    return text;
}

}  // namespace

Column columnFromDeclaredType(std::string name, const std::string& declaredType,
                              bool autoIncrement) {
    Column column{std::move(name), ColumnType::Other, 0};
    const std::string type = normalised(declaredType);
    if (type == "INTEGER") {
        column.type = autoIncrement ? ColumnType::AutoIncrement : ColumnType::Integer;
    } else if (type == "NUMBER" || type == "FLOAT" || type == "REAL" || type == "DOUBLE" ||
               type == "DOUBLE PRECISION") {
        column.type = ColumnType::Number;
    } else if (type == "MONEY") {
        column.type = ColumnType::Money;
    } else {
        static const std::regex character(R"((?:VAR)?CHAR ?\( ?(\d{1,5}) ?\))");
        std::smatch size;
        if (std::regex_match(type, size, character)) {
            column.type = ColumnType::Char;
            column.size = std::stoi(size[1].str());
        }
    }
    return column;
}

}  // namespace engine
