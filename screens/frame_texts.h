#pragma once
// The texts the record editing frame shows or keeps: the delete question, the navigator's
// button hints (kept on the buttons, never displayed) and the panels' captions (always covered).

#include <QString>

namespace frametexts {

inline const QString confirmCaption = QStringLiteral("Confirm");
inline const QString confirmDelete = QStringLiteral("Delete record?");
inline const QString okButton = QStringLiteral("OK");
inline const QString cancelButton = QStringLiteral("Cancel");

inline const QString hintFirst = QStringLiteral("First record");
inline const QString hintPrior = QStringLiteral("Prior record");
inline const QString hintNext = QStringLiteral("Next record");
inline const QString hintLast = QStringLiteral("Last record");
inline const QString hintInsert = QStringLiteral("Insert record");
inline const QString hintDelete = QStringLiteral("Delete record");
inline const QString hintEdit = QStringLiteral("Edit record");
inline const QString hintPost = QStringLiteral("Post edit");
inline const QString hintCancel = QStringLiteral("Cancel edit");
inline const QString hintRefresh = QStringLiteral("Refresh data");

inline const QString panel2Caption = QStringLiteral("Panel2");
inline const QString panel3Caption = QStringLiteral("Panel3");

}  // namespace frametexts
