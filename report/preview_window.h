#pragma once
// The report's preview: a top-level window that opens maximized and shows the produced pages
// one at a time, with zoom, page turning, printer setup, print, save, load and close on its
// toolbar, "Page N of M" and a gauge in its status line. Failures of its commands go to the
// error box and the window stays open.

#include <QMainWindow>
#include <functional>

#include "display_list.h"

class QAction;
class QLabel;
class QProgressBar;

namespace report {

class PageView;
class Report;

class PreviewWindow : public QMainWindow {
    Q_OBJECT
public:
    PreviewWindow(Report& report, QWidget* parent = nullptr);

    // Production: the commands that need the whole report wait until it ends.
    void beginProduction();
    void addPage(Page&& page);
    void endProduction();
    bool producing() const { return producing_; }
    bool isClosed() const { return closed_; }

    const ReportDocument& document() const { return document_; }
    int pageCount() const { return static_cast<int>(document_.pages.size()); }
    int currentPage() const { return current_; }  // 0-based
    void showPage(int index);                     // clamped to the pages there are
    QString statusText() const;

    // The commands behind the toolbar's buttons; these take the path instead of asking for it.
    // Saving writes plain text for ".txt", PDF for ".pdf" and a report file otherwise; loading
    // replaces the pages only when the whole file was read.
    void saveTo(const QString& path) const;
    void loadFrom(const QString& path);
    void print();
    void setupPrinter();

    QAction* action(const char* name) const;  // the toolbar's actions by object name

signals:
    void closed();

protected:
    void closeEvent(QCloseEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    QAction* addCommand(const char* name, const QString& text, std::function<void()> command);
    void askSave();
    void askLoad();
    void markClosed();
    void updateState();

    Report& report_;
    ReportDocument document_;
    bool loadedFromFile_ = false;
    int current_ = 0;
    bool producing_ = false;
    bool closed_ = false;

    PageView* view_;
    QLabel* status_;
    QProgressBar* gauge_;
};

}  // namespace report
