#pragma once
// The process's engine session ("Default"), through which every table and query opens.

#include "engine/session.h"

engine::Session& defaultSession();
// Ends the session and starts a new, inactive one (tests; every data set must be closed).
void resetDefaultSession(engine::Session::ConfigLoader loader = &engine::EngineConfig::load);
