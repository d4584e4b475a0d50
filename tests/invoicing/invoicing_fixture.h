#pragma once
// The invoice screen and the add-item dialog over a temporary database, reached through their
// global instances as the program reaches them: three products, invoice 12, no items. Helpers
// press the screen's button and work the dialog while it is shown modally.

#include <QStringList>
#include <functional>
#include <gtest/gtest.h>
#include <ostream>

#include "add_item.h"
#include "navigator_glyphs.h"
#include "notafiscal.h"
#include "support/temp_database.h"

inline void PrintTo(const QString& text, std::ostream* out) { *out << '"' << text.toStdString() << '"'; }

namespace invoicing_testing {

class InvoicingTest : public ::testing::Test {
protected:
    InvoicingTest();
    ~InvoicingTest() override;

    // Presses Button1 expecting the dialog: `inDialog` runs while it is shown, then the dialog
    // is closed by its close box. Returns whether the dialog was shown.
    bool handOver(const std::function<void()>& inDialog = {});
    // Presses Button1 where no dialog should open; returns whether one was shown (and closed).
    bool pressButton1ExpectingNothing();

    // In the dialog.
    void clickAdd();
    void setQuantityTyped(const QString& typed);  // clears the spin edit, then types
    // The item rows as Id_Item|Id_Nota_Fiscal|Id_Produto|Quantidade|Status, oldest first.
    QStringList items() const;

    // On the invoice screen.
    void clickNavigator(NavigatorButton which);
    void typeInto(QWidget* edit, const QString& text);  // gives it the focus, then types

    testing_support::TempDatabase database{testing_support::TempDatabase::Content::Tables};
    TForm4 dialog;
    TForm5 screen;
};

}  // namespace invoicing_testing
