#pragma once
// A band report bound to a data set: produces its pages into a preview window, straight to
// the printer, or into a document. It keeps the printer settings chosen in the printer-setup
// dialog for the rest of the process; nothing else survives a run.

#include <QObject>
#include <memory>

#include "display_list.h"
#include "report_layout.h"
#include "report_producer.h"
#include "row_source.h"

class DataSet;
class QPrinter;
class QWidget;

namespace report {

class PreviewWindow;

class Report : public QObject {
    Q_OBJECT
public:
    explicit Report(ReportLayout layout, QObject* parent = nullptr);
    ~Report() override;

    const ReportLayout& layout() const { return layout_; }

    void setDataSet(DataSet* dataSet);                 // the rows: the data set's rows
    void setRowSource(std::unique_ptr<RowSource> rows);
    void setPrintHandler(const QString& boxName, PrintHandler handler);

    // Produces the pages into a new preview window, then waits, with events processed, until
    // the window is closed or the application ends; the pages are released on return. A
    // failure while producing passes to the caller. The window belongs to `parentWindow`'s
    // window group (so a modal parent does not block it).
    void preview(QWidget* parentWindow = nullptr);
    PreviewWindow* openPreview() const { return preview_; }

    // Produces the report again from the first row onto the printer, with a progress window
    // whose Cancel stops the run at the next row. Honours the page range and copies.
    void print(QWidget* parent = nullptr);
    // Prints pages produced before (a loaded report file).
    void printPages(const ReportDocument& document, QWidget* parent = nullptr);
    // The print dialog: printer, copies and a page range from 1 to `pageCount`.
    void setupPrinter(QWidget* parent, int pageCount);
    QPrinter& printer();

    // One run without showing anything (export, tests).
    ReportDocument produce();

signals:
    // The preview's pages are all produced and it now waits for the user.
    void previewReady(report::PreviewWindow* window);

private:
    class RunGuard;
    RowSource& rows();

    ReportLayout layout_;
    std::unique_ptr<RowSource> rows_;
    PrintHandlers handlers_;
    std::unique_ptr<QPrinter> printer_;
    PreviewWindow* preview_ = nullptr;
    bool running_ = false;
};

}  // namespace report
