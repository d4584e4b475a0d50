// Composition of the engine's failure messages.
#include "engine_error.h"

#include <algorithm>
#include <cstdio>

namespace engine {
namespace {

std::string codeText(const char* format, int code) {
    char buffer[128];
    std::snprintf(buffer, sizeof buffer, format, code & 0xffff);
    return buffer;
}

// The texts one per line, each once, in their first order.
std::string composeMessage(int code, const std::vector<std::string>& texts) {
    std::vector<std::string> seen;
    std::string message;
    for (const std::string& text : texts) {
        if (std::find(seen.begin(), seen.end(), text) != seen.end()) continue;
        seen.push_back(text);
        if (!message.empty()) message += '\n';
        message += text;
    }
    if (message.empty()) message = codeText("Database engine error $%.4X", code);
    return message;
}

}  // namespace

EngineError::EngineError(int code, std::vector<std::string> texts)
    : EngineError(code, texts, composeMessage(code, texts)) {}

EngineError::EngineError(int code, std::vector<std::string> texts, std::string message)
    : std::runtime_error(std::move(message)), code_(code), texts_(std::move(texts)) {}

EngineInitError::EngineInitError(int code, std::vector<std::string> detail)
    : EngineError(code, std::move(detail),
                  codeText("An error occurred while attempting to initialize the database "
                           "engine (error $%.4X)",
                           code)) {}

}  // namespace engine
