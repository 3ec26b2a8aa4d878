#include "export/summaryexport.h"

#include "export/csvexport.h"
#include "export/jsonexport.h"
#include "storage/safefile.h"

#include <QFileInfo>

namespace iqx {

SummaryExport::SummaryExport(const QString &path) : format_(exportFormatOf(path))
{
    if (!format_) {
        formatError_ = unknownExportFormatText(path);
        return;
    }
    const QFileInfo info(path);
    out_ = std::make_unique<AtomicFileWriter>(info.absoluteDir(), info.fileName());
    out_->append(*format_ == ExportFormat::Json ? jsonSummaryBegin() : csvSummaryHeader());
}

SummaryExport::~SummaryExport() = default;

void SummaryExport::add(const ExportEntry &entry)
{
    if (!error().isEmpty())
        return;
    const bool first = entries_ == 0;
    ++entries_;
    if (!entry.document)
        ++unreadable_;
    out_->append(*format_ == ExportFormat::Json ? jsonSummaryEntry(entry, first) : csvSummaryRow(entry));
}

QString SummaryExport::error() const { return out_ ? out_->error() : formatError_; }

QString SummaryExport::commit()
{
    if (!out_)
        return formatError_;
    if (*format_ == ExportFormat::Json)
        out_->append(jsonSummaryEnd(entries_ == 0));
    return out_->commit();
}

} // namespace iqx
