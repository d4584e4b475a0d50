#include "db_grid.h"

#include <QApplication>
#include <QFocusEvent>
#include <QPainter>
#include <QScrollBar>
#include <QTimer>

#include "data_set.h"
#include "data_source.h"
#include "screen_font.h"
#include "event_guard.h"
#include "grid_cell_editor.h"
#include "grid_painter.h"

namespace {

// The vertical scroll bar tells only where the current record is: top, middle or bottom.
constexpr int scrollTop = 0;
constexpr int scrollMiddle = 2;
constexpr int scrollBottom = 4;

}  // namespace

DBGrid::DBGrid(QWidget* parent) : QAbstractScrollArea(parent), titleFont_(screenFont()) {
    setFocusPolicy(Qt::StrongFocus);
    setBorderStyle(BorderStyle::Single);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    viewport()->setMouseTracking(true);

    QScrollBar* bar = verticalScrollBar();
    bar->setRange(scrollTop, scrollBottom);
    bar->setSingleStep(1);
    bar->setPageStep(1);
    connect(bar, &QAbstractSlider::actionTriggered, this,
            [this](int action) { guarded([&] { scrollBarAction(action); }); });
    connect(bar, &QAbstractSlider::sliderReleased, this,
            [this] { guarded([&] { scrollBarReleased(); }); });

    editor_ = new GridCellEditor(this);
    connect(editor_, &QLineEdit::textEdited, this, [this] { guarded([&] { cellTextEdited(); }); });
}

DBGrid::~DBGrid() {
    if (source_) source_->removeLink(this);
    // Gone before the grid's members, so its last focus change finds the grid whole.
    delete editor_;
}

// ---- Settings ------------------------------------------------------------------------------

void DBGrid::setDataSource(DataSource* source) {
    if (source_ == source) return;
    if (source_) source_->removeLink(this);
    source_ = source;
    if (source_) source_->addLink(this);
    activeChanged();
}

void DBGrid::setOptions(GridOptions options) {
    options_ = options;
    if (!canEditCells()) closeEditor();
    rebuildColumns();
}

void DBGrid::setBorderStyle(BorderStyle style) {
    borderStyle_ = style;
    if (style == BorderStyle::None) {
        setFrameStyle(QFrame::NoFrame);
    } else {
        setFrameStyle(QFrame::Box | QFrame::Plain);
        setLineWidth(1);
    }
}

void DBGrid::setTitleFont(const QFont& font) {
    titleFont_ = font;
    rebuildColumns();
}

QString DBGrid::columnTitle(int column) const { return columns_.at(column).title; }

int DBGrid::columnWidth(int column) const { return columns_.at(column).width; }

Field* DBGrid::columnField(int column) const { return columns_.at(column).field; }

bool DBGrid::isEditorOpen() const { return editorMode_ && !editor_->isHidden(); }

QLineEdit* DBGrid::cellEditor() const { return editor_; }

// ---- State ---------------------------------------------------------------------------------

DataSet* DBGrid::dataSet() const { return source_ ? source_->dataSet() : nullptr; }

bool DBGrid::isActive() const {
    DataSet* data = dataSet();
    return data && data->active() && columns_.count() > 0;
}

Field* DBGrid::currentField() const {
    if (!isActive() || currentColumn_ >= columns_.count()) return nullptr;
    return columns_.at(currentColumn_).field;
}

bool DBGrid::canEditCells() const {
    return options_.testFlag(dgEditing) && !options_.testFlag(dgRowSelect);
}

bool DBGrid::canModifyRows() const { return isActive() && dataSet()->modifiable(); }

// A new row nobody has typed into yet.
bool DBGrid::onUnchangedNewRow() const {
    DataSet* data = dataSet();
    return data && data->state() == DataSet::State::Insert && !data->modified() && !cellModified_;
}

bool DBGrid::newRowAtEnd() { return dataSet()->neighbours(1, true).empty(); }

// ---- What the data source tells the grid ---------------------------------------------------

void DBGrid::activeChanged() {
    cellModified_ = false;
    currentColumn_ = 0;
    scrollX_ = 0;
    rebuildColumns();
    if (!isActive()) closeEditor();
}

void DBGrid::dataSetChanged() {
    cellModified_ = false;
    reloadEditorTextIfChanged();
    invalidateRows();
}

void DBGrid::dataSetScrolled() {
    cellModified_ = false;
    reloadEditorTextIfChanged();
    invalidateRows();
}

void DBGrid::recordChanged(Field* field) {
    if (field && field == currentField()) cellModified_ = false;
    if (!cellModified_) reloadEditorTextIfChanged();
    viewport()->update();
}

void DBGrid::editingChanged() {
    DataSet* data = dataSet();
    if (!data || !data->pending()) {
        cellModified_ = false;
        reloadEditorTextIfChanged();
    }
    viewport()->update();
}

void DBGrid::updateData() {
    if (cellModified_) writeCell();
}

bool DBGrid::focusField(Field* field) {
    const int column = columns_.indexOf(field);
    if (column < 0 || !canEditCells()) return false;
    currentColumn_ = column;
    ensureColumnVisible(column);
    setFocus(Qt::OtherFocusReason);
    openEditor();
    return true;
}

// ---- The cell editor -----------------------------------------------------------------------

void DBGrid::openEditor() {
    if (!canEditCells() || !isActive()) return;
    editorMode_ = true;
    loadEditorText();
    placeEditor();
    editor_->show();
    if (hasFocus()) editor_->setFocus(Qt::OtherFocusReason);
}

// Closing drops text not yet written; the callers write it first where it is to be kept.
void DBGrid::closeEditor() {
    editorMode_ = false;
    cellModified_ = false;
    if (editor_->isHidden()) return;
    // Hand the focus to the grid before hiding, so it does not wander to another control.
    if (editor_->hasFocus()) setFocus(Qt::OtherFocusReason);
    editor_->hide();
    viewport()->update();
}

void DBGrid::loadEditorText() {
    cellModified_ = false;
    Field* field = currentField();
    editor_->setText(field ? field->editText() : QString());
    editor_->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    editor_->selectAll();
}

void DBGrid::reloadEditorTextIfChanged() {
    if (!editorMode_) return;
    Field* field = currentField();
    const QString text = field ? field->editText() : QString();
    if (editor_->text() != text) {
        editor_->setText(text);
        editor_->selectAll();
    }
}

void DBGrid::writeCell() {
    Field* field = currentField();
    if (!field || !cellModified_) return;
    field->setText(editor_->text());  // the conversion's message leaves the text in the cell
    cellModified_ = false;
    reloadEditorTextIfChanged();
}

bool DBGrid::beginCellChange() {
    if (!isActive() || !source_) return false;
    return source_->edit();
}

// Any change of the editor's text, also one that came by the mouse.
void DBGrid::cellTextEdited() {
    DataSet* data = dataSet();
    if (!data || !data->pending()) {
        const QString typed = editor_->text();
        bool editing = false;
        try {
            editing = beginCellChange();
        } catch (...) {
            loadEditorText();
            throw;
        }
        if (!editing) {
            loadEditorText();
            return;
        }
        if (editor_->text() != typed) editor_->setText(typed);
    }
    cellModified_ = true;
    viewport()->update();
}

bool DBGrid::hasFocusWithin() const { return hasFocus() || editor_->hasFocus(); }

// Focus went from the grid or its editor to another control of the same window.
void DBGrid::focusLeftGrid(QFocusEvent* event) {
    if (event->reason() == Qt::ActiveWindowFocusReason || event->reason() == Qt::PopupFocusReason)
        return;
    QWidget* now = QApplication::focusWidget();
    if (!now || now == this || isAncestorOf(now) || now->window() != window()) return;
    guarded([&] {
        viewport()->update();
        DataSet* data = dataSet();
        if (!data || !data->active()) {
            closeEditor();
            return;
        }
        if (options_.testFlag(dgCancelOnExit) && onUnchangedNewRow()) {
            data->cancel();
            closeEditor();
            return;
        }
        try {
            writeCell();
        } catch (...) {
            QTimer::singleShot(0, this, [this] { setFocus(Qt::OtherFocusReason); });
            throw;
        }
        closeEditor();
    });
}

// ---- Layout --------------------------------------------------------------------------------

int DBGrid::rowHeight() const { return fontMetrics().height() + 3; }

int DBGrid::titleHeight() const { return QFontMetrics(titleFont_).height() + 4; }

GridGeometry DBGrid::geometryNow() const {
    return GridGeometry(columns_, options_, rowHeight(), titleHeight(), viewport()->size(), scrollX_);
}

void DBGrid::rebuildColumns() {
    DataSet* data = dataSet();
    if (data && data->active())
        columns_.build(*data, fontMetrics(), QFontMetrics(titleFont_), options_.testFlag(dgTitles));
    else
        columns_.clear();
    if (currentColumn_ >= columns_.count()) currentColumn_ = 0;
    invalidateRows();
    updateScrollBars();
}

void DBGrid::invalidateRows() {
    rows_.invalidate();
    scheduleRelayout();
    viewport()->update();
}

// Layout waits until the data set has finished what it is doing.
void DBGrid::scheduleRelayout() {
    if (relayoutQueued_) return;
    relayoutQueued_ = true;
    QTimer::singleShot(0, this, [this] { guarded([&] { relayout(); }); });
}

void DBGrid::relayout() {
    relayoutQueued_ = false;
    ensureRows();
    updateScrollBars();
    placeEditor();
}

void DBGrid::ensureRows() {
    if (!rows_.stale()) return;
    const std::optional<int> moved = moveHint_;
    moveHint_.reset();
    DataSet* data = dataSet();
    if (!isActive()) {
        rows_.clear();
        return;
    }
    const GridGeometry geometry = geometryNow();
    rows_.rebuild(*data, geometry.fullRows(), geometry.drawnRows(), moved);
}

int DBGrid::visibleRowCount() const { return geometryNow().fullRows(); }

int DBGrid::currentRowSlot() {
    ensureRows();
    return rows_.currentSlot();
}

QString DBGrid::cellText(int slot, int column) {
    ensureRows();
    if (column < 0 || column >= columns_.count()) return {};
    return rows_.displayText(*columns_.at(column).field, slot);
}

QRect DBGrid::titleRect(int column) const { return geometryNow().titleRect(column); }

QRect DBGrid::rowRect(int slot) const { return geometryNow().rowRect(slot); }

QRect DBGrid::cellRect(int slot, int column) const { return geometryNow().cellRect(slot, column); }

void DBGrid::ensureColumnVisible(int column) {
    if (column < 0 || column >= columns_.count()) return;
    const GridGeometry geometry = geometryNow();
    const int left = geometry.columnOffset(column);
    const int right = left + columns_.at(column).width + geometry.columnLine();
    int scroll = scrollX_;
    if (right - scroll > geometry.scrollableWidth()) scroll = right - geometry.scrollableWidth();
    if (left < scroll) scroll = left;
    if (scroll != scrollX_) {
        scrollX_ = scroll;
        updateScrollBars();
    }
    placeEditor();
    viewport()->update();
}

void DBGrid::updateScrollBars() {
    const GridGeometry geometry = geometryNow();
    QScrollBar* across = horizontalScrollBar();
    const int range = std::max(0, geometry.contentWidth() - geometry.scrollableWidth());
    settingScrollBar_ = true;
    across->setRange(0, range);
    across->setPageStep(std::max(1, geometry.scrollableWidth()));
    across->setSingleStep(20);
    scrollX_ = std::clamp(scrollX_, 0, range);
    across->setValue(scrollX_);

    verticalScrollBar()->setValue(scrollPosition());
    settingScrollBar_ = false;
}

int DBGrid::scrollPosition() const {
    if (!rows_.hasCurrent() || rows_.stale() || rows_.atTop()) return scrollTop;
    return rows_.atBottom() ? scrollBottom : scrollMiddle;
}

void DBGrid::placeEditor() {
    if (!editorMode_) return;
    if (!isActive() || currentColumn_ >= columns_.count()) {
        closeEditor();
        return;
    }
    ensureRows();
    const GridGeometry geometry = geometryNow();
    QRect cell = geometry.cellRect(rows_.currentSlot(), currentColumn_);
    cell.setLeft(std::max(cell.left(), geometry.fixedWidth()));  // never over the indicator
    editor_->setFont(font());
    editor_->setGeometry(cell);
}

void DBGrid::scrollContentsBy(int, int) {
    if (settingScrollBar_) return;
    scrollX_ = horizontalScrollBar()->value();
    placeEditor();
    viewport()->update();
}

void DBGrid::setCurrentColumn(int column) {
    if (column < 0 || column >= columns_.count()) return;
    if (column != currentColumn_) {
        writeCell();
        currentColumn_ = column;
        if (editorMode_) loadEditorText();
    }
    ensureColumnVisible(column);
}

// ---- Events --------------------------------------------------------------------------------

// Tab and Shift+Tab move between cells, so they never reach the focus chain.
bool DBGrid::event(QEvent* event) {
    if (event->type() == QEvent::KeyPress && options_.testFlag(dgTabs)) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab) {
            keyPressEvent(key);
            return true;
        }
    }
    return QAbstractScrollArea::event(event);
}

void DBGrid::changeEvent(QEvent* event) {
    QAbstractScrollArea::changeEvent(event);
    if (event->type() == QEvent::FontChange) guarded([&] { rebuildColumns(); });
    if (event->type() == QEvent::LocaleChange) viewport()->update();
}

void DBGrid::paintEvent(QPaintEvent* event) {
    guarded([&] {
        ensureRows();
        QPainter painter(viewport());
        const GridGeometry geometry = geometryNow();
        GridPaintState state{geometry, columns_, rows_, options_, font(), titleFont_, palette()};
        state.currentColumn = currentColumn_;
        state.focused = hasFocusWithin();
        DataSet* data = dataSet();
        if (data && data->state() == DataSet::State::Edit) state.mark = GridPaintState::Mark::Edit;
        if (data && data->state() == DataSet::State::Insert) state.mark = GridPaintState::Mark::Insert;
        paintGrid(painter, event->rect(), state);
    });
}

void DBGrid::resizeEvent(QResizeEvent* event) {
    QAbstractScrollArea::resizeEvent(event);
    guarded([&] {
        invalidateRows();
        updateScrollBars();
    });
}

void DBGrid::keyPressEvent(QKeyEvent* event) {
    guarded([&] {
        if (!handleKey(event)) event->ignore();
    });
}

void DBGrid::focusInEvent(QFocusEvent* event) {
    QAbstractScrollArea::focusInEvent(event);
    if (isEditorOpen()) editor_->setFocus(event->reason());
    viewport()->update();
}

void DBGrid::focusOutEvent(QFocusEvent* event) {
    QAbstractScrollArea::focusOutEvent(event);
    focusLeftGrid(event);
    viewport()->update();
}
