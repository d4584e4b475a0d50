#include "preview_window.h"

#include <QAction>
#include <QActionGroup>
#include <QCloseEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QProgressBar>
#include <QStatusBar>
#include <QToolBar>
#include <algorithm>

#include "event_guard.h"
#include "page_view.h"
#include "pdf_export.h"
#include "report.h"
#include "report_file.h"
#include "report_texts.h"
#include "text_export.h"

namespace report {

PreviewWindow::PreviewWindow(Report& report, QWidget* parent)
    : QMainWindow(parent, Qt::Window),
      report_(report),
      view_(new PageView(this)),
      status_(new QLabel(this)),
      gauge_(new QProgressBar(this)) {
    setObjectName(QStringLiteral("PreviewWindow"));
    setCentralWidget(view_);
    view_->setDocument(&document_);

    auto toolBar = addToolBar(QString());
    toolBar->setObjectName(QStringLiteral("PreviewToolBar"));
    toolBar->setMovable(false);
    toolBar->setToolButtonStyle(Qt::ToolButtonTextOnly);

    auto zoomGroup = new QActionGroup(this);
    auto zoomCommand = [this, zoomGroup](const char* name, const QString& text, PageView::Zoom zoom) {
        QAction* action = addCommand(name, text, [this, zoom] { view_->setZoom(zoom); });
        action->setCheckable(true);
        zoomGroup->addAction(action);
        return action;
    };
    zoomCommand("ZoomToFit", texts::zoomToFit, PageView::Zoom::FitPage);
    zoomCommand("Zoom100", texts::zoom100, PageView::Zoom::Actual);
    zoomCommand("ZoomToWidth", texts::zoomPageWidth, PageView::Zoom::PageWidth)->setChecked(true);
    view_->setZoom(PageView::Zoom::PageWidth);
    toolBar->addActions(zoomGroup->actions());
    toolBar->addSeparator();

    toolBar->addAction(addCommand("FirstPage", texts::firstPage, [this] { showPage(0); }));
    toolBar->addAction(addCommand("PriorPage", texts::previousPage, [this] { showPage(current_ - 1); }));
    toolBar->addAction(addCommand("NextPage", texts::nextPage, [this] { showPage(current_ + 1); }));
    toolBar->addAction(addCommand("LastPage", texts::lastPage, [this] { showPage(pageCount() - 1); }));
    toolBar->addSeparator();
    toolBar->addAction(addCommand("PrinterSetup", texts::printerSetup, [this] { setupPrinter(); }));
    toolBar->addAction(addCommand("Print", texts::print, [this] { print(); }));
    toolBar->addAction(addCommand("Save", texts::save, [this] { askSave(); }));
    toolBar->addAction(addCommand("Load", texts::load, [this] { askLoad(); }));
    toolBar->addSeparator();
    toolBar->addAction(addCommand("Close", texts::close, [this] { close(); }));

    action("FirstPage")->setShortcuts({QKeySequence(Qt::Key_Home), QKeySequence(Qt::CTRL | Qt::Key_PageUp)});
    action("PriorPage")->setShortcut(QKeySequence(Qt::Key_PageUp));
    action("NextPage")->setShortcut(QKeySequence(Qt::Key_PageDown));
    action("LastPage")->setShortcuts({QKeySequence(Qt::Key_End), QKeySequence(Qt::CTRL | Qt::Key_PageDown)});
    action("Close")->setShortcut(QKeySequence(Qt::Key_Escape));

    status_->setObjectName(QStringLiteral("PageStatus"));
    gauge_->setObjectName(QStringLiteral("Gauge"));
    gauge_->setRange(0, 0);  // the number of rows is not known ahead
    gauge_->setMaximumWidth(200);
    gauge_->hide();
    statusBar()->addWidget(status_);
    statusBar()->addPermanentWidget(gauge_);
    updateState();
}

QAction* PreviewWindow::addCommand(const char* name, const QString& text,
                                   std::function<void()> command) {
    auto action = new QAction(text, this);
    action->setObjectName(QString::fromLatin1(name));
    connect(action, &QAction::triggered, this, [command = std::move(command)] { guarded(command); });
    return action;
}

QAction* PreviewWindow::action(const char* name) const {
    return findChild<QAction*>(QString::fromLatin1(name));
}

void PreviewWindow::beginProduction() {
    producing_ = true;
    gauge_->show();
    updateState();
}

void PreviewWindow::addPage(Page&& page) {
    document_.pages.push_back(std::move(page));
    view_->pagesChanged();
    updateState();
}

void PreviewWindow::endProduction() {
    producing_ = false;
    gauge_->hide();
    updateState();
}

void PreviewWindow::showPage(int index) {
    if (pageCount() == 0) return;
    current_ = std::clamp(index, 0, pageCount() - 1);
    view_->setPage(current_);
    updateState();
}

QString PreviewWindow::statusText() const {
    return texts::pageOfPages.arg(pageCount() == 0 ? 0 : current_ + 1).arg(pageCount());
}

void PreviewWindow::saveTo(const QString& path) const {
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix == QLatin1String("txt"))
        saveTextFile(document_, path);
    else if (suffix == QLatin1String("pdf"))
        savePdfFile(document_, path);
    else
        saveReportFile(document_, path);
}

void PreviewWindow::loadFrom(const QString& path) {
    ReportDocument loaded = loadReportFile(path);
    document_ = std::move(loaded);
    loadedFromFile_ = true;
    view_->setDocument(&document_);
    current_ = 0;
    showPage(0);
    updateState();
}

// Loaded pages are printed as they are; otherwise the report is produced again from its rows.
void PreviewWindow::print() {
    if (loadedFromFile_)
        report_.printPages(document_, this);
    else
        report_.print(this);
}

void PreviewWindow::setupPrinter() { report_.setupPrinter(this, pageCount()); }

void PreviewWindow::askSave() {
    QString filter = texts::reportFilter;
    const QString filters = QStringList{texts::reportFilter, texts::textFilter, texts::pdfFilter}
                                .join(QStringLiteral(";;"));
    QString path = QFileDialog::getSaveFileName(this, texts::saveCaption, QString(), filters, &filter);
    if (path.isEmpty()) return;
    if (QFileInfo(path).suffix().isEmpty()) {
        if (filter == texts::textFilter) path += QStringLiteral(".txt");
        else if (filter == texts::pdfFilter) path += QStringLiteral(".pdf");
        else path += QLatin1Char('.') + kReportFileSuffix;
    }
    saveTo(path);
}

void PreviewWindow::askLoad() {
    const QString path =
        QFileDialog::getOpenFileName(this, texts::loadCaption, QString(), texts::reportFilter);
    if (!path.isEmpty()) loadFrom(path);
}

void PreviewWindow::updateState() {
    const bool havePages = pageCount() > 0;
    action("FirstPage")->setEnabled(havePages && current_ > 0);
    action("PriorPage")->setEnabled(havePages && current_ > 0);
    action("NextPage")->setEnabled(current_ + 1 < pageCount());
    action("LastPage")->setEnabled(current_ + 1 < pageCount());
    for (const char* name : {"PrinterSetup", "Print", "Save", "Load"})
        action(name)->setEnabled(!producing_);
    status_->setText(statusText());
}

void PreviewWindow::closeEvent(QCloseEvent* event) {
    QMainWindow::closeEvent(event);
    if (event->isAccepted()) markClosed();
}

void PreviewWindow::hideEvent(QHideEvent* event) {
    QMainWindow::hideEvent(event);
    if (!event->spontaneous()) markClosed();  // hidden by the program, not minimized
}

void PreviewWindow::markClosed() {
    if (closed_) return;
    closed_ = true;
    emit closed();
}

}  // namespace report
