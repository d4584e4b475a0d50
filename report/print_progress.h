#pragma once
// The small window that stays on top while a report goes to the printer: the page being
// printed and a Cancel button that stops the run at the next row. It blocks the other windows
// so nothing else can start while the run is in progress.

#include <QWidget>

class QLabel;
class QPushButton;

namespace report {

class PrintProgress : public QWidget {
    Q_OBJECT
public:
    explicit PrintProgress(QWidget* parent = nullptr);

    void setPage(int page);
    bool cancelRequested() const { return cancelRequested_; }

    QPushButton* cancelButton() const { return cancel_; }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    QLabel* label_;
    QPushButton* cancel_;
    bool cancelRequested_ = false;
};

}  // namespace report
