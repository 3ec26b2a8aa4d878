#include "export/exportentry.h"

#include <QFileInfo>

namespace iqx {

std::optional<ExportFormat> exportFormatOf(const QString &path)
{
    if (path.endsWith(QLatin1String(".json"), Qt::CaseInsensitive))
        return ExportFormat::Json;
    if (path.endsWith(QLatin1String(".csv"), Qt::CaseInsensitive))
        return ExportFormat::Csv;
    return std::nullopt;
}

QString unknownExportFormatText(const QString &path)
{
    return QStringLiteral("Nie zapisano pliku %1: rodzaj danych wybiera rozszerzenie nazwy, .json albo .csv.")
        .arg(QFileInfo(path).fileName());
}

} // namespace iqx
