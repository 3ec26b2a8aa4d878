#include "app/session.h"

#include "app/recovery.h"
#include "base/messages.h"
#include "document/documentmodel.h"
#include "document/exitrules.h"
#include "export/documentexport.h"
#include "print/engine/composite.h"
#include "print/printedpages.h"
#include "storage/datafile.h"
#include "storage/folderlock.h"
#include "storage/registerfile.h"
#include "storage/safefile.h"

#include <QDir>
#include <QFileInfo>
#include <QMainWindow>

namespace iqx {

namespace {

const QString kSaveQuestion = QStringLiteral("Zapisać dane do pliku?");
const QString kSaved = QStringLiteral("Dane zostały zapisane do pliku ");

QString overlongText(const QString &fileName, const QList<int> &positions)
{
    QStringList numbers;
    for (int n : positions)
        numbers << QString::number(n);
    return QStringLiteral("Plik %1: wartość pozycji %2 jest dłuższa, niż pozwala jej pole. Wczytano ją w "
                          "całości; popraw ją przed zapisem.")
        .arg(fileName, numbers.join(QStringLiteral(", ")));
}

} // namespace

Session::Session(DocumentModel &model, QObject *parent) : QObject(parent), model_(model) {}

Session::~Session()
{
    delete composite_; // closes a preview that is still open
}

void Session::adoptFolderLock(std::unique_ptr<FolderLock> lock) { folderLock_ = std::move(lock); }

Session::Start Session::start()
{
    if (!registerPresent()) {
        messages().inform(missingRegisterMessage());
        return Start::Refused;
    }
    if (!folderLock_)
        folderLock_ = std::make_unique<FolderLock>(QDir::current());
    if (!folderLock_->tryLock()) {
        messages().error(folderLock_->refusal());
        return Start::Refused;
    }
    // What a write cut short by a crash left behind (the folder is ours now).
    removeStaleTemporaryFiles(QDir::current());
    const LoadResult loaded = loadDocument(QDir::current());
    if (loaded.status == LoadResult::Error)
        messages().error(loaded.message);
    else if (loaded.status != LoadResult::NoFile) {
        model_.setDocument(loaded.document);
        QStringList notes;
        if (!loaded.message.isEmpty())
            notes << loaded.message;
        if (const QList<int> overlong = overlongPositions(loaded.document); !overlong.isEmpty())
            notes << overlongText(loaded.fileName, overlong);
        if (!notes.isEmpty())
            messages().inform(notes.join(QLatin1Char('\n')));
    }
    // Entries a run left unsaved are offered; from now on they are kept.
    recovery_ = std::make_unique<Recovery>(model_, QDir::current());
    recovery_->start(loaded.document);
    return loaded.status == LoadResult::Error ? Start::LoadFailed : Start::Started;
}

void Session::offerSaveOnClose()
{
    if (model_.text(1).size() != 7 || model_.text(2).isEmpty())
        return;
    switch (messages().confirm(QStringLiteral("Confirm"), kSaveQuestion)) {
    case Answer::Yes:
        if (const SaveResult r = writeDataFile(model_.document()); r.ok)
            messages().inform(kSaved + r.fileName);
        break;
    case Answer::No:
        if (recovery_)
            recovery_->discard();
        break;
    case Answer::Dismissed:
        // Neither saved nor given up: the recovery copy keeps the entries,
        // and the next start offers them.
        break;
    }
}

bool Session::save() { return writeDataFile(model_.document()).ok; }

SaveResult Session::writeDataFile(const Document &doc)
{
    const SaveResult r = saveDocument(doc, QDir::current());
    if (!r.ok)
        messages().error(r.error);
    else if (recovery_)
        recovery_->saved(doc);
    return r;
}

bool Session::print()
{
    report::CompositeReport *composite = compositeReport();
    // Every press is a whole run; with a preview open, it shows the new
    // pages and the call returns at once (the first call still waits).
    const bool waiting = composite->openPreview() != nullptr;
    const Document doc = model_.document();
    const SaveResult saved = writeDataFile(doc);
    if (!saved.ok)
        return false;
    fillPrintSlots(doc, printedPages());
    // What the clerk may have let through (a refused value stays in its
    // box and prints) is listed above the pages, in the check's words.
    const QList<Finding> findings = checkDocument(doc, &lookupRegisterHere);
    QStringList remarks;
    for (const Finding &f : findings)
        remarks << f.text();
    composite->setRemarks(remarks);
    // Saved reports, PDFs and exports are offered under the data file's
    // name in the working folder.
    composite->setProposedPath(QDir::current().absoluteFilePath(QFileInfo(saved.fileName).completeBaseName()));
    // "Export" in the preview writes the data of the document printed.
    composite->setExport(QStringLiteral("Export"),
                         [doc, findings, file = saved.fileName](const QString &path, QString *error) {
                             *error = writeDocumentExport(path, {file, &doc, 0, {}, findings});
                             return error->isEmpty();
                         });
    composite->preview();
    return !waiting;
}

void Session::close()
{
    if (recovery_)
        recovery_->flush();
    if (composite_ && composite_->openPreview())
        composite_->openPreview()->close();
}

bool Session::sessionEnding() const { return recovery_ && recovery_->sessionEnding(); }

report::CompositeReport *Session::compositeReport()
{
    if (!composite_) {
        composite_ = new report::CompositeReport;
        composite_->setObjectName(QStringLiteral("QRCompositeReport1"));
        // The six printed pages, filled before every run.
        composite_->setPages(printedPages());
        // What the preview could not do is shown as every other message.
        connect(composite_, &report::CompositeReport::failed, this,
                [](const QString &text) { messages().error(text); });
        connect(composite_, &report::CompositeReport::informed, this,
                [](const QString &text) { messages().inform(text); });
    }
    return composite_;
}

QList<report::ReportPage *> Session::printedPages()
{
    if (printedPages_.isEmpty())
        printedPages_ = createPrintedPages(compositeReport());
    return printedPages_;
}

} // namespace iqx
