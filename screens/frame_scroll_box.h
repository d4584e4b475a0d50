#pragma once
// The frame's scroll box: a borderless scroll area over a content widget as large as the
// screen's scroll ranges, or as the visible part where that is larger; a scroll bar shows only
// when its range exceeds the visible part.
// A control inside that takes the focus is scrolled wholly into view with 6 pixels to spare
// around it, whether the focus came by Tab, by the mouse or from the data set.

#include <QScrollArea>

class FrameScrollBox : public QScrollArea {
    Q_OBJECT
public:
    explicit FrameScrollBox(QSize scrollRange, QWidget* parent = nullptr);

    // Scrolls so that `child` (a widget inside the content) and its margin are visible; a
    // child larger than the visible part shows its top-left corner.
    void scrollIntoView(QWidget* child);

protected:
    bool focusNextPrevChild(bool next) override;
};
