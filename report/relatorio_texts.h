#pragma once
// The print screen's user-visible texts.

#include <QString>

namespace relatoriotexts {

inline const QString caption = QStringLiteral("Form6");
inline const QString previewButton = QStringLiteral("Visualizar Impressão de Nota Fiscal");
inline const QString initialNumber = QStringLiteral("1");

}  // namespace relatoriotexts
