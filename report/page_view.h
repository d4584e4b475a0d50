#pragma once
// The preview's paper: one produced page drawn at the chosen zoom inside a scroll area.

#include <QScrollArea>

#include "display_list.h"

namespace report {

class PaperWidget;

class PageView : public QScrollArea {
    Q_OBJECT
public:
    enum class Zoom { FitPage, Actual, PageWidth };

    explicit PageView(QWidget* parent = nullptr);

    // The document stays owned by the caller and must outlive the view (or be replaced).
    void setDocument(const ReportDocument* document);
    void setPage(int index);  // shows nothing while the document has no such page
    int page() const { return page_; }
    void setZoom(Zoom zoom);
    Zoom zoom() const { return zoom_; }
    double scale() const { return scale_; }  // screen pixels per hundredth of a millimetre
    void pagesChanged();  // the document gained pages or was replaced

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void relayout();

    PaperWidget* paper_;
    const ReportDocument* document_ = nullptr;
    int page_ = 0;
    Zoom zoom_ = Zoom::PageWidth;
    double scale_ = 0;
};

}  // namespace report
