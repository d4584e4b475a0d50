// The process's one engine session, started by the first table or query that opens.
#include "default_session.h"

#include <memory>

namespace {

std::unique_ptr<engine::Session>& sessionSlot() {
    static std::unique_ptr<engine::Session> session;
    return session;
}

}  // namespace

engine::Session& defaultSession() {
    auto& session = sessionSlot();
    if (!session) session = std::make_unique<engine::Session>();
    return *session;
}

void resetDefaultSession(engine::Session::ConfigLoader loader) {
    auto& session = sessionSlot();
    session.reset();
    session = std::make_unique<engine::Session>(std::move(loader));
}
