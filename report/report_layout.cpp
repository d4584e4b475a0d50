#include "report_layout.h"

namespace report {

const BandDef* ReportLayout::band(BandKind kind) const {
    for (const BandDef& b : bands)
        if (b.kind == kind) return &b;
    return nullptr;
}

}  // namespace report
