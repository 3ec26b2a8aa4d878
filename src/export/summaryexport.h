#pragma once
#include "export/exportentry.h"

#include <QString>
#include <memory>

namespace iqx {

class AtomicFileWriter;

// The many-documents form (jsonSummaryBegin, csvSummaryHeader) written to a
// file as the entries come, so that a summary of every municipality holds
// one document in memory at a time. The bytes go to a temporary file beside
// `path`, which replaces the old file only when commit() succeeds; a failure
// leaves the old file as it was.
class SummaryExport {
public:
    // In the format that `path`'s extension names; with an unknown one,
    // nothing is written and error() says so at once.
    explicit SummaryExport(const QString &path);
    ~SummaryExport();
    SummaryExport(const SummaryExport &) = delete;
    SummaryExport &operator=(const SummaryExport &) = delete;

    // Writes one more entry, unless the output has failed already.
    void add(const ExportEntry &entry);
    // Empty while the output is well, else the user-facing reason: the
    // caller need read no more files.
    QString error() const;
    // Ends the form and puts the file in place. Empty on success, else the
    // reason.
    QString commit();

    int entries() const { return entries_; }       // entries added
    int unreadable() const { return unreadable_; } // of which files that could not be read

private:
    std::optional<ExportFormat> format_;
    std::unique_ptr<AtomicFileWriter> out_;
    int entries_ = 0;
    int unreadable_ = 0;
    QString formatError_;
};

} // namespace iqx
