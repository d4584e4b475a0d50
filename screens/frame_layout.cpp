#include "frame_layout.h"

#include <algorithm>
#include <cassert>

FrameLayout FrameLayout::of(const std::vector<FieldDef>& fields,
                            const std::vector<int>& labelWidths, QSize scrollRange,
                            int masterPanelHeight) {
    assert(fields.size() == labelWidths.size());
    FrameLayout layout;
    layout.scrollRange = scrollRange;
    layout.masterPanelHeight = masterPanelHeight;
    for (std::size_t i = 0; i < fields.size() && i < labelWidths.size(); ++i)
        layout.fields.push_back({fields[i], labelWidths[i]});
    return layout;
}

namespace framelayout {

int editWidth(const FieldDef& def) {
    switch (def.kind) {
    case FieldKind::AutoIncrement: return 55;
    case FieldKind::Number:
    case FieldKind::Money: return 65;
    case FieldKind::Text: return std::min(5 * def.size + 15, 288);
    }
    return 65;
}

std::vector<FieldPlacement> place(const std::vector<FrameField>& fields, int rangeWidth) {
    const int rightEdge = rangeWidth - margin;
    std::vector<FieldPlacement> placements;
    int left = margin;
    int top = margin;
    for (const FrameField& field : fields) {
        const int width = editWidth(field.def);
        const int extent = std::max(width, field.labelWidth);
        if (left > margin && left + extent > rightEdge) {
            left = margin;
            top += rowHeight;
        }
        placements.push_back({{left, top}, {left, top + labelToEdit, width, editHeight}});
        left += extent + margin;
    }
    return placements;
}

int verticalRange(const std::vector<FieldPlacement>& placements) {
    int bottom = 0;
    for (const FieldPlacement& placement : placements)
        bottom = std::max(bottom, placement.edit.y() + placement.edit.height());
    return bottom + 4;
}

}  // namespace framelayout
