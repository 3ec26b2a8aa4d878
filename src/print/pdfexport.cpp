#include "print/pdfexport.h"

#include "app/mainwindow.h"
#include "app/messages.h"
#include "document/registry.h"
#include "print/engine/report.h"
#include "print/printedpages.h"
#include "storage/datafile.h"

#include <QFile>

namespace iqx {

int exportDocumentPdf(const QString &path)
{
    if (!QFile::exists(QString::fromLatin1(kRegisterFileName))) {
        messages().error(QStringLiteral(
            "Brak pliku GMINY.txt - musi znajdowac sie w tym samym katalogu co uruchamiany program"));
        return 3;
    }
    TInformacja window; // never shown: it holds the positions
    QObject owner;
    window.setPrintedPages(createPrintedPages(&owner));
    const LoadResult loaded = loadDocument(&window, QDir::current());
    if (loaded.status == LoadResult::Error) {
        messages().error(loaded.message);
        return 4;
    }
    if (!loaded.message.isEmpty())
        messages().inform(loaded.message);
    window.fillPrintSlots();
    QString error;
    if (!window.compositeReport()->exportPdf(path, &error)) {
        messages().error(error);
        return 5;
    }
    return 0;
}

} // namespace iqx
