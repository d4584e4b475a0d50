#pragma once
// One run of a report: walks the rows from the first and lays the bands out on pages (the fit
// rule, page changes, the empty case, the running sum), handing each finished page to a sink.
// Between rows the event loop runs once, so progress shows and a cancel takes effect.

#include <QString>
#include <functional>
#include <map>
#include <optional>
#include <vector>

#include "display_list.h"
#include "report_layout.h"
#include "row_source.h"

namespace report {

// Called just before a box prints, with its text; what it leaves is printed. Called only for
// a non-empty text.
using PrintHandler = std::function<void(QString& value)>;
using PrintHandlers = std::map<QString, PrintHandler>;  // by box name

class PageSink {
public:
    virtual ~PageSink() = default;
    virtual void pageFinished(Page&& page) = 0;  // pages arrive in order
    virtual bool cancelRequested() const { return false; }
};

class ReportProducer {
public:
    ReportProducer(const ReportLayout& layout, RowSource& rows, const PrintHandlers& handlers);

    // Produces every page; false when the sink asked to cancel (the pages so far were handed
    // over). A failure to read the rows propagates.
    bool run(PageSink& sink);

private:
    struct BoxRun {
        const BoxDef* def = nullptr;
        int field = -1;             // data text: the bound field, -1 when not found
        std::vector<int> factors;   // expression: the fields multiplied per row
        Length clipRight = 0;       // automatic size: room up to the next box or band end
        std::optional<double> sum;  // expression: no value until a row was added
    };
    struct BandRun {
        const BandDef* def = nullptr;
        std::vector<BoxRun> boxes;
    };

    void prepare();
    bool fits(const BandRun& band) const;
    void startPage();
    void finishPage();
    void changePage();
    void printBand(const BandRun& band, bool withRow);
    void placeBand(const BandRun& band, Length top, bool withRow);
    void placeBox(const BoxRun& box, const QString& text, const Area& bandArea, int bandIndex);
    QString boxText(const BoxRun& box, bool withRow) const;
    void addRowToSums();

    const ReportLayout& layout_;
    RowSource& rows_;
    const PrintHandlers& handlers_;
    std::map<BandKind, BandRun> bands_;
    PageSink* sink_ = nullptr;
    Page page_;
    Length position_ = 0;
};

// Runs the report into a document without showing anything.
ReportDocument produceDocument(const ReportLayout& layout, RowSource& rows,
                               const PrintHandlers& handlers = {});

}  // namespace report
