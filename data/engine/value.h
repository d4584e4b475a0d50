#pragma once
// A value as the engine stores and returns it: empty, a whole number, a float or text (UTF-8).

#include <cstdint>
#include <string>
#include <variant>

namespace engine {

using Value = std::variant<std::monostate, std::int64_t, double, std::string>;

inline bool isNull(const Value& v) { return std::holds_alternative<std::monostate>(v); }

}  // namespace engine
