#include "report.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QGuiApplication>
#include <QScreen>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>

#include "data_set_rows.h"
#include "page_painter.h"
#include "preview_window.h"
#include "print_progress.h"
#include "report_error.h"
#include "report_texts.h"

namespace report {

namespace {

class PreviewSink : public PageSink {
public:
    explicit PreviewSink(PreviewWindow& window) : window_(window) {}
    void pageFinished(Page&& page) override { window_.addPage(std::move(page)); }
    bool cancelRequested() const override { return window_.isClosed(); }

private:
    PreviewWindow& window_;
};

// Paints finished pages onto the printer as they come, within the chosen page range. Where
// the print system cannot make copies itself, each page is painted once per copy.
class PrinterSink : public PageSink {
public:
    PrinterSink(QPrinter& printer, QPainter& painter, PrintProgress& progress)
        : printer_(printer), painter_(painter), progress_(progress),
          scale_(pagedDeviceScale(printer)),
          copies_(printer.supportsMultipleCopies() ? 1 : std::max(printer.copyCount(), 1)) {}

    void pageFinished(Page&& page) override {
        ++number_;
        progress_.setPage(number_);
        const bool ranged = printer_.printRange() == QPrinter::PageRange && printer_.fromPage() > 0;
        if (ranged && (number_ < printer_.fromPage() || number_ > printer_.toPage())) return;
        for (int copy = 0; copy < copies_; ++copy) {
            if (printed_ > 0) printer_.newPage();
            paintPage(painter_, page, scale_);
            ++printed_;
        }
    }
    bool cancelRequested() const override { return progress_.cancelRequested(); }

private:
    QPrinter& printer_;
    QPainter& painter_;
    PrintProgress& progress_;
    double scale_;
    int copies_;
    int number_ = 0;
    int printed_ = 0;
};

// Begins printing, with a progress window on top, and ends or aborts the job.
class PrintJob {
public:
    PrintJob(QPrinter& printer, QWidget* parent) : printer_(printer), progress_(parent) {
        if (!painter_.begin(&printer_)) throw ReportError(texts::printerUnavailable);
        progress_.show();
        progress_.raise();
    }
    ~PrintJob() {
        if (painter_.isActive()) {
            if (!finished_) printer_.abort();
            painter_.end();
        }
    }
    void finish(bool completed) {
        finished_ = true;
        if (!completed) {
            printer_.abort();
            return;
        }
        if (!painter_.end()) throw ReportError(texts::printerUnavailable);
    }
    QPainter& painter() { return painter_; }
    PrintProgress& progress() { return progress_; }

private:
    QPrinter& printer_;
    QPainter painter_;
    PrintProgress progress_;
    bool finished_ = false;
};

}  // namespace

// Refuses a second run while one is in progress (events run between rows, so a command could
// otherwise start another run over the same rows).
class Report::RunGuard {
public:
    explicit RunGuard(Report& report) : report_(report) {
        if (report_.running_) throw ReportError(texts::alreadyRunning);
        report_.running_ = true;
    }
    ~RunGuard() { report_.running_ = false; }

private:
    Report& report_;
};

Report::Report(ReportLayout layout, QObject* parent) : QObject(parent), layout_(std::move(layout)) {}

Report::~Report() = default;

void Report::setDataSet(DataSet* dataSet) {
    rows_ = dataSet ? std::make_unique<DataSetRows>(*dataSet) : nullptr;
}

void Report::setRowSource(std::unique_ptr<RowSource> rows) { rows_ = std::move(rows); }

void Report::setPrintHandler(const QString& boxName, PrintHandler handler) {
    handlers_[boxName] = std::move(handler);
}

RowSource& Report::rows() {
    if (!rows_) throw ReportError(texts::noRows);
    return *rows_;
}

ReportDocument Report::produce() {
    RunGuard guard(*this);
    return produceDocument(layout_, rows(), handlers_);
}

void Report::preview(QWidget* parentWindow) {
    if (preview_) throw ReportError(texts::alreadyRunning);
    auto window = std::make_unique<PreviewWindow>(*this, parentWindow ? parentWindow->window() : nullptr);
    preview_ = window.get();
    struct Forget {
        Report* report;
        ~Forget() { report->preview_ = nullptr; }
    } forget{this};

    window->setWindowTitle(layout_.title);
    // The screen's whole work area first, so the window is full size even where no window
    // manager honours the maximized state.
    if (QScreen* screen = parentWindow ? parentWindow->screen() : QGuiApplication::primaryScreen())
        window->setGeometry(screen->availableGeometry());
    window->showMaximized();
    {
        RunGuard guard(*this);
        window->beginProduction();
        PreviewSink sink(*window);
        ReportProducer(layout_, rows(), handlers_).run(sink);
        window->endProduction();
    }
    if (window->isClosed()) return;
    QEventLoop loop;
    connect(window.get(), &PreviewWindow::closed, &loop, &QEventLoop::quit);
    emit previewReady(window.get());
    if (!window->isClosed()) loop.exec();
}

QPrinter& Report::printer() {
    if (!printer_) {
        printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
        printer_->setPageSize(QPageSize(QPageSize::Letter));
        printer_->setPageOrientation(QPageLayout::Portrait);
        printer_->setFullPage(true);
        printer_->setCopyCount(1);
    }
    return *printer_;
}

void Report::print(QWidget* parent) {
    RunGuard guard(*this);
    RowSource& source = rows();
    PrintJob job(printer(), parent);
    PrinterSink sink(printer(), job.painter(), job.progress());
    job.finish(ReportProducer(layout_, source, handlers_).run(sink));
}

void Report::printPages(const ReportDocument& document, QWidget* parent) {
    RunGuard guard(*this);
    PrintJob job(printer(), parent);
    PrinterSink sink(printer(), job.painter(), job.progress());
    for (const Page& page : document.pages) {
        sink.pageFinished(Page(page));
        QCoreApplication::processEvents();
        if (sink.cancelRequested()) break;
    }
    job.finish(!sink.cancelRequested());
}

void Report::setupPrinter(QWidget* parent, int pageCount) {
    QPrintDialog dialog(&printer(), parent);
    dialog.setOptions(QAbstractPrintDialog::PrintPageRange | QAbstractPrintDialog::PrintToFile |
                      QAbstractPrintDialog::PrintCollateCopies |
                      QAbstractPrintDialog::PrintShowPageSize);
    dialog.setMinMax(1, std::max(pageCount, 1));
    dialog.exec();
}

}  // namespace report
