#pragma once
// The texts the application shell shows: the main menu's captions and the error box's
// message for a failure that carries no text of its own.

#include <QString>

namespace shelltexts {

inline const QString mainMenuCaption = QStringLiteral("Form1");
inline const QString customerButton = QStringLiteral("Cadastro de Cliente");
inline const QString productButton = QStringLiteral("Cadastro de Produto");
inline const QString invoiceButton = QStringLiteral("Emissao de Nota Fiscal");
inline const QString printButton = QStringLiteral("Impressão Nota Fiscal");

inline const QString unknownFailure = QStringLiteral("An unexpected error occurred");

}  // namespace shelltexts
