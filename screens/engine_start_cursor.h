#pragma once
// The wait cursor while the database engine starts: an object placed around an action that
// may be the first to open a table or query shows the wait cursor for its lifetime, but only
// when the engine has not started yet.

class EngineStartCursor {
public:
    EngineStartCursor();
    ~EngineStartCursor();
    EngineStartCursor(const EngineStartCursor&) = delete;
    EngineStartCursor& operator=(const EngineStartCursor&) = delete;

private:
    bool shown_ = false;
};
