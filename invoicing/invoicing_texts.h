#pragma once
// The texts the invoice screen and the add-item dialog show: their captions and the captions
// of their buttons.

#include <QString>

namespace invoicingtexts {

inline const QString invoiceCaption = QStringLiteral("Form5");
inline const QString handOverButton = QStringLiteral("Button1");

inline const QString addItemCaption = QStringLiteral("Form4");
inline const QString addButton = QStringLiteral("BitBtn1");

}  // namespace invoicingtexts
