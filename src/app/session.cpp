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
#include "storage/safefile.h"

#include <QDir>
#include <QFileInfo>
#include <QMainWindow>
#include <utility>

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

struct Session::Saved {
    SaveResult file;
    QString aside;       // where the file loaded was set aside; empty when it was not
    QString asideFailed; // why it could not be renamed; empty when nothing failed
};

Session::Session(DocumentModel &model, const WorkFolder &folder, QObject *parent)
    : QObject(parent), model_(model), folder_(folder), lookup_(folder.registerLookup())
{}

Session::~Session()
{
    delete composite_; // closes a preview that is still open
}

void Session::adoptFolderLock(std::unique_ptr<FolderLock> lock) { folderLock_ = std::move(lock); }

Session::Start Session::start()
{
    if (!folder_.hasRegister()) {
        messages().inform(folder_.missingRegisterMessage());
        return Start::Refused;
    }
    if (!folderLock_)
        folderLock_ = std::make_unique<FolderLock>(folder_.dir());
    if (!folderLock_->tryLock()) {
        messages().error(folderLock_->refusal());
        return Start::Refused;
    }
    // What a write cut short by a crash left behind (the folder is ours now).
    removeStaleTemporaryFiles(folder_.dir());
    const LoadResult loaded = loadDocument(folder_.dir());
    if (loaded.status == LoadResult::Error)
        messages().error(loaded.message);
    else if (loaded.status != LoadResult::NoFile) {
        model_.setDocument(loaded.document);
        dataFile_ = loaded.fileName;
        QStringList notes;
        if (!loaded.message.isEmpty())
            notes << loaded.message;
        if (const QList<int> overlong = overlongPositions(loaded.document); !overlong.isEmpty())
            notes << overlongText(loaded.fileName, overlong);
        if (!notes.isEmpty())
            messages().inform(notes.join(QLatin1Char('\n')));
    }
    // Entries a run left unsaved are offered; from now on they are kept.
    recovery_ = std::make_unique<Recovery>(model_, folder_.dir());
    recovery_->start(loaded.document);
    if (loaded.status == LoadResult::Error)
        return Start::LoadFailed;
    offerNewIdentifier();
    return Start::Started;
}

void Session::offerNewIdentifier()
{
    const QString old = model_.text(kIdentifierPosition);
    const std::optional<RegisterLine> now = newIdentifierOf(lookup_, old);
    if (!now)
        return;
    const QString target = dataFileName(now->identifier);
    QString question =
        QStringLiteral("Kod gminy %1 nie występuje w rejestrze gmin; gmina %2 ma kod %3 (%4).\n\n"
                       "Czy przenieść dokument na kod %3? Typ i nazwy gminy zostaną wzięte z "
                       "rejestru, a dane od razu zapisane do pliku %5.")
            .arg(old, now->entry.municipality, now->identifier, translateType(now->entry.typeCode), target);
    if (entryExists(folder_.dir().filePath(target)))
        question += QStringLiteral(" Plik %1, który już jest w folderze, zostanie zastąpiony.").arg(target);
    // Esc and the close button leave the document as it is, as No does.
    if (messages().confirm(QString::fromUtf8(kAppTitle), question) != Answer::Yes)
        return;
    model_.setText(kIdentifierPosition, now->identifier);
    model_.setIdentity(now->entry);
    tellSaved(writeDataFile(model_.document()), true);
}

void Session::offerSaveOnClose()
{
    if (model_.text(kIdentifierPosition).size() != kIdentifierLength || model_.text(kMunicipalityPosition).isEmpty())
        return;
    switch (messages().confirm(QStringLiteral("Confirm"), kSaveQuestion)) {
    case Answer::Yes:
        tellSaved(writeDataFile(model_.document()), true);
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

bool Session::save()
{
    const Saved saved = writeDataFile(model_.document());
    tellSaved(saved, false);
    return saved.file.ok;
}

Session::Saved Session::writeDataFile(const Document &doc)
{
    Saved saved{saveDocument(doc, folder_.dir()), {}, {}};
    const SaveResult &r = saved.file;
    if (!r.ok) {
        messages().error(r.error);
        return saved;
    }
    if (recovery_)
        recovery_->saved(doc);
    // Saved under a new name: the file loaded would still be the first the
    // next start finds, with what it held before. It is renamed, never
    // removed, once the new file is safely on the disk.
    const QString previous = std::exchange(dataFile_, r.fileName);
    if (previous.isEmpty() || previous == r.fileName)
        return saved;
    const SetAside aside = setDataFileAside(folder_.dir(), previous, r.fileName);
    if (aside.status == SetAside::Renamed)
        saved.aside = QStringLiteral("Poprzedni plik %1 zachowano pod nazwą %2 w folderze %3; program nie wczytuje go "
                                     "już przy uruchomieniu.")
                          .arg(previous, aside.name, QDir::toNativeSeparators(folder_.path()));
    else if (aside.status == SetAside::Failed)
        saved.asideFailed = QStringLiteral("Dane zapisano do pliku %1, ale nie udało się zmienić nazwy poprzedniego "
                                           "pliku %2: %3. Przy następnym uruchomieniu program może wczytać ten plik "
                                           "zamiast %1; zmień jego nazwę albo przenieś go do innego folderu.")
                                .arg(r.fileName, previous, aside.error);
    return saved;
}

void Session::tellSaved(const Saved &saved, bool withSavedMessage)
{
    if (!saved.file.ok)
        return; // said already
    QStringList text;
    if (withSavedMessage)
        text << kSaved + saved.file.fileName;
    if (!saved.aside.isEmpty())
        text << saved.aside;
    if (!text.isEmpty())
        messages().inform(text.join(QStringLiteral("\n\n")));
    if (!saved.asideFailed.isEmpty())
        messages().error(saved.asideFailed);
}

bool Session::print()
{
    report::CompositeReport *composite = compositeReport();
    // Every press is a whole run; with a preview open, it shows the new
    // pages and the call returns at once (the first call still waits).
    const bool waiting = composite->openPreview() != nullptr;
    const Document doc = model_.document();
    const Saved written = writeDataFile(doc);
    const SaveResult &saved = written.file;
    if (!saved.ok)
        return false;
    tellSaved(written, false);
    fillPrintSlots(doc, printedPages());
    // What the clerk may have let through (a refused value stays in its
    // box and prints) is listed above the pages, in the check's words.
    const QList<Finding> findings = checkDocument(doc, lookup_);
    QStringList remarks;
    for (const Finding &f : findings)
        remarks << f.text();
    composite->setRemarks(remarks);
    // Saved reports, PDFs and exports are offered under the data file's
    // name in the working folder.
    composite->setProposedPath(folder_.dir().absoluteFilePath(QFileInfo(saved.fileName).completeBaseName()));
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
