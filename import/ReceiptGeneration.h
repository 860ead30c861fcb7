#pragma once

#include <QDate>
#include <QLocale>
#include <QString>

namespace receipts {

// The message for a log row whose receipt document exists already: its date in the locale's short
// date format and its number.
QString alreadyImportedMessage(const QDate& documentDate, const QString& documentNumber,
                               const QLocale& locale = QLocale::system());

// The generation function's statement; its parameters are pEmitent (long text), pDataChInc
// (date) and pNrChInc (long text).
QString generationSql();

} // namespace receipts
