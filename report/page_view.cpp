#include "page_view.h"

#include <QPainter>
#include <QScrollBar>
#include <QStyle>
#include <algorithm>

#include "page_painter.h"

namespace report {

namespace {
constexpr int kGap = 12;  // grey border around the paper, in screen pixels
}

class PaperWidget : public QWidget {
public:
    explicit PaperWidget(QWidget* parent) : QWidget(parent) {}

    const Page* page = nullptr;
    double scale = 1;

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.fillRect(rect(), Qt::white);
        if (!page) return;
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setRenderHint(QPainter::TextAntialiasing);
        paintPage(painter, *page, scale);
    }
};

PageView::PageView(QWidget* parent) : QScrollArea(parent), paper_(new PaperWidget(this)) {
    setObjectName(QStringLiteral("PageView"));
    setAlignment(Qt::AlignCenter);
    setBackgroundRole(QPalette::Dark);
    setWidget(paper_);
    setWidgetResizable(false);
}

void PageView::setDocument(const ReportDocument* document) {
    document_ = document;
    page_ = 0;
    pagesChanged();
}

void PageView::setPage(int index) {
    page_ = index;
    pagesChanged();
    verticalScrollBar()->setValue(0);
}

void PageView::setZoom(Zoom zoom) {
    zoom_ = zoom;
    relayout();
}

void PageView::pagesChanged() {
    const bool shown = document_ && page_ >= 0 && page_ < static_cast<int>(document_->pages.size());
    paper_->page = shown ? &document_->pages[page_] : nullptr;
    relayout();
}

void PageView::resizeEvent(QResizeEvent* event) {
    QScrollArea::resizeEvent(event);
    relayout();
}

void PageView::relayout() {
    const double paperWidth = document_ ? document_->paperWidth : mm(215.9);
    const double paperHeight = document_ ? document_->paperHeight : mm(279.4);
    const QSize room = maximumViewportSize() - QSize(2 * kGap, 2 * kGap);
    const int scrollBar = style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, this);
    switch (zoom_) {
    case Zoom::FitPage:
        scale_ = std::min(room.width() / paperWidth, room.height() / paperHeight);
        break;
    case Zoom::PageWidth:
        scale_ = (room.width() - scrollBar) / paperWidth;
        break;
    case Zoom::Actual:
        scale_ = deviceScale(logicalDpiX());
        break;
    }
    scale_ = std::max(scale_, 0.005);
    paper_->scale = scale_;
    paper_->resize(static_cast<int>(paperWidth * scale_ + 0.5),
                   static_cast<int>(paperHeight * scale_ + 0.5));
    paper_->update();
}

}  // namespace report
