#include "engine_start_cursor.h"

#include <QCursor>
#include <QGuiApplication>

#include "default_session.h"

EngineStartCursor::EngineStartCursor() : shown_(!defaultSession().active()) {
    if (shown_) QGuiApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
}

EngineStartCursor::~EngineStartCursor() {
    if (shown_) QGuiApplication::restoreOverrideCursor();
}
