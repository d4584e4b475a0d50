#include "result_set.h"

#include <cctype>
#include <sqlite3.h>

#include "column_types.h"
#include "statement.h"

namespace engine {
namespace {

bool isIdentifierStart(char c) {
    return std::isalpha(static_cast<unsigned char>(c)) || c == '_' ||
           static_cast<unsigned char>(c) >= 0x80;
}
bool isIdentifierChar(char c) {
    return isIdentifierStart(c) || std::isdigit(static_cast<unsigned char>(c)) || c == '$';
}

// "pr.valor * it.quantidade" -> "valor * quantidade": every `identifier.` qualifier goes,
// outside quoted literals; numbers such as 1.5 stay as they are.
std::string withoutQualifiers(const std::string& expression) {
    std::string result;
    std::size_t i = 0;
    while (i < expression.size()) {
        const char c = expression[i];
        if (c == '\'') {
            const std::size_t end = expression.find('\'', i + 1);
            const std::size_t stop = end == std::string::npos ? expression.size() : end + 1;
            result += expression.substr(i, stop - i);
            i = stop;
        } else if (c == '"' || isIdentifierStart(c)) {
            std::size_t end = i + 1;
            if (c == '"') {
                end = expression.find('"', i + 1);
                end = end == std::string::npos ? expression.size() : end + 1;
            } else {
                while (end < expression.size() && isIdentifierChar(expression[end])) ++end;
            }
            const bool qualifier = end < expression.size() && expression[end] == '.';
            if (qualifier) {
                i = end + 1;
            } else {
                result += expression.substr(i, end - i);
                i = end;
            }
        } else if (std::isdigit(static_cast<unsigned char>(c))) {
            std::size_t end = i;
            while (end < expression.size() &&
                   (isIdentifierChar(expression[end]) || expression[end] == '.'))
                ++end;
            result += expression.substr(i, end - i);
            i = end;
        } else {
            result += c;
            ++i;
        }
    }
    return result;
}

bool isAutoIncrement(sqlite3_stmt* statement, int column) {
    const char* table = sqlite3_column_table_name(statement, column);
    const char* origin = sqlite3_column_origin_name(statement, column);
    const char* database = sqlite3_column_database_name(statement, column);
    if (!table || !origin) return false;
    int autoIncrement = 0;
    sqlite3_table_column_metadata(sqlite3_db_handle(statement), database, table, origin, nullptr,
                                  nullptr, nullptr, nullptr, &autoIncrement);
    return autoIncrement != 0;
}

}  // namespace

struct ResultSet::Impl {
    Statement statement;
    std::vector<std::vector<Value>> rows;
    bool done = false;

    // Reads one more row; at the end the statement is finished, releasing its read lock.
    void readRow(const std::vector<Column>& columns) {
        try {
            if (statement.step()) {
                std::vector<Value> row;
                row.reserve(columns.size());
                for (std::size_t i = 0; i < columns.size(); ++i)
                    row.push_back(statement.value(static_cast<int>(i), columns[i].type));
                rows.push_back(std::move(row));
                return;
            }
        } catch (...) {
            done = true;
            statement = Statement();
            throw;
        }
        done = true;
        statement = Statement();
    }
};

ResultSet::ResultSet(sqlite3_stmt* statement) : impl_(std::make_unique<Impl>()) {
    impl_->statement = Statement(statement);
    const int count = sqlite3_column_count(statement);
    for (int i = 0; i < count; ++i) {
        const char* name = sqlite3_column_name(statement, i);
        const char* declared = sqlite3_column_decltype(statement, i);
        columns_.push_back(declared ? columnFromDeclaredType(withoutQualifiers(name ? name : ""),
                                                             declared, isAutoIncrement(statement, i))
                                    : Column{withoutQualifiers(name ? name : ""),
                                             ColumnType::Number, 0});
    }
}

ResultSet::~ResultSet() = default;

int ResultSet::columnIndex(const std::string& name) const {
    auto lower = [](std::string text) {
        for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        return text;
    };
    const std::string wanted = lower(name);
    for (std::size_t i = 0; i < columns_.size(); ++i)
        if (lower(columns_[i].name) == wanted) return static_cast<int>(i);
    return -1;
}

bool ResultSet::hasRow(std::size_t index) {
    while (!impl_->done && impl_->rows.size() <= index) impl_->readRow(columns_);
    return index < impl_->rows.size();
}

const std::vector<Value>& ResultSet::row(std::size_t index) {
    hasRow(index);
    return impl_->rows.at(index);
}

std::size_t ResultSet::fetchAll() {
    while (!impl_->done) impl_->readRow(columns_);
    return impl_->rows.size();
}

}  // namespace engine
