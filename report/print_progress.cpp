#include "print_progress.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>

#include "report_texts.h"

namespace report {

PrintProgress::PrintProgress(QWidget* parent)
    : QWidget(parent, Qt::Dialog | Qt::WindowStaysOnTopHint | Qt::WindowTitleHint |
                          Qt::CustomizeWindowHint),
      label_(new QLabel(texts::printingPage.arg(1), this)),
      cancel_(new QPushButton(texts::cancel, this)) {
    setObjectName(QStringLiteral("PrintProgress"));
    setWindowTitle(texts::printingCaption);
    setWindowModality(Qt::ApplicationModal);
    cancel_->setObjectName(QStringLiteral("Cancel"));
    label_->setMinimumWidth(160);

    auto layout = new QHBoxLayout(this);
    layout->addWidget(label_);
    layout->addWidget(cancel_);

    connect(cancel_, &QPushButton::clicked, this, [this] { cancelRequested_ = true; });
}

void PrintProgress::setPage(int page) { label_->setText(texts::printingPage.arg(page)); }

void PrintProgress::closeEvent(QCloseEvent* event) {
    cancelRequested_ = true;  // closing the window is a cancel too; it hides when the run ends
    event->ignore();
}

}  // namespace report
