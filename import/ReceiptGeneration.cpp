#include "import/ReceiptGeneration.h"

namespace receipts {

QString alreadyImportedMessage(const QDate& documentDate, const QString& documentNumber, const QLocale& locale)
{
    return QStringLiteral("Incasarea este deja importata. DataCh=") + locale.toString(documentDate, QLocale::ShortFormat)
           + QStringLiteral(", NrCh=") + documentNumber;
}

QString generationSql()
{
    return QStringLiteral("SELECT * FROM o_generare_incasare_deb_cred_diversi(:pemitent, :pdatachinc, :pnrchinc)");
}

} // namespace receipts
