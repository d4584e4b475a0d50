#pragma once
// A real database holding invoice 7 of customer 1 with three items: 1 x 10.00, 2 x 2.50 and
// 4 x 1.25, totalling 20.00; and invoice 8 without items.

#include "support/temp_database.h"

namespace report_testing {

class InvoiceDatabase : public testing_support::TempDatabase {
public:
    InvoiceDatabase();
};

}  // namespace report_testing
