#pragma once
// What the engine reports of a column, so that declared fields can be bound to it.

#include <string>

namespace engine {

// The declared column types the engine reads back (README "Database format"):
//   INTEGER PRIMARY KEY AUTOINCREMENT -> AutoIncrement
//   INTEGER                           -> Integer (32-bit)
//   NUMBER                            -> Number (8-byte float)
//   MONEY                             -> Money (8-byte float, money subtype)
//   CHAR(n) / VARCHAR(n)              -> Char, size n
//   anything else                     -> Other
enum class ColumnType { AutoIncrement, Integer, Number, Money, Char, Other };

struct Column {
    std::string name;          // as the table or the statement names it
    ColumnType type = ColumnType::Other;
    int size = 0;              // characters for Char, 0 otherwise
};

}  // namespace engine
