#pragma once
// Where the record editing frame puts each field's label and edit in its scroll box.
// Fields go left to right in field order, in rows 38 pixels apart; a field that would pass the
// right edge of the scroll range (less its 6-pixel margin) starts the next row. Each field is
// as wide as the wider of its edit and its label; edits are 55 (autoincrement), 65 (number and
// money) or 5 × size + 15 up to 288 (text) wide and 21 high, 15 pixels below their label.
//
// Label widths enter the rule, so a screen gives them as measured in the font its positions
// were designed for; the labels themselves are then sized to their text in the running font.

#include <QPoint>
#include <QRect>
#include <QSize>
#include <vector>

#include "field_kind.h"

struct FrameField {
    FieldDef def;
    int labelWidth = 0;  // the caption's width in the design font
};

struct FrameLayout {
    std::vector<FrameField> fields;  // in field order
    QSize scrollRange;               // horizontal and vertical scroll range of the scroll box
    int masterPanelHeight = 0;       // Panel2's height on a screen with a detail grid, else 0

    bool hasDetailGrid() const { return masterPanelHeight > 0; }

    // Pairs the fields with their label widths (the two lists are equally long).
    static FrameLayout of(const std::vector<FieldDef>& fields, const std::vector<int>& labelWidths,
                          QSize scrollRange, int masterPanelHeight = 0);
};

struct FieldPlacement {
    QPoint label;  // the label's top-left corner
    QRect edit;
};

namespace framelayout {
inline constexpr int margin = 6;
inline constexpr int rowHeight = 38;
inline constexpr int editHeight = 21;
inline constexpr int labelToEdit = 15;

int editWidth(const FieldDef& def);
// One placement per field, in field order, inside a scroll range of the given width.
std::vector<FieldPlacement> place(const std::vector<FrameField>& fields, int rangeWidth);
// The vertical range the placed fields need: the lowest edit's bottom plus 4.
int verticalRange(const std::vector<FieldPlacement>& placements);
}  // namespace framelayout
