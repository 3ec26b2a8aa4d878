#pragma once
#include "app/workfolder.h"

#include <QList>
#include <QObject>
#include <memory>

namespace iqx {
namespace report {
class CompositeReport;
class ReportPage;
} // namespace report
class Document;
class DocumentModel;
class FolderLock;
class Recovery;
struct SaveResult;

// The work on the document's files for one window: the folder's lock, the
// start-up cleanup and load, the data file written on printing and on
// closing, the recovery copy kept meanwhile, and the print run with its
// preview. It reads and fills the model, never the boxes. Everything it
// reads and writes is in the work folder it is given.
//
// The data file the document was loaded from is remembered: once the
// document is saved under another name (its identifier changed), that file
// is renamed out of the loader's way, so that the next start opens what was
// saved.
class Session : public QObject {
    Q_OBJECT
public:
    Session(DocumentModel &model, const WorkFolder &folder, QObject *parent = nullptr);
    ~Session() override; // closes a preview that is still open

    enum class Start {
        Refused,    // no register, or another window holds the folder: the program ends
        Started,    // loaded (or nothing to load): the clerk goes on at page 1
        LoadFailed, // the data file could not be read (said so): the rest of the start is skipped
    };
    // The register check, the folder taken for this window alone, the
    // cleanup of what a crash left, the first data file into the model, the
    // offer of a recovery copy, and the offer to move a document whose
    // identifier the register has replaced.
    Start start();
    // The folder's lock, taken before the window was shown; start() then
    // takes none of its own.
    void adoptFolderLock(std::unique_ptr<FolderLock> lock);

    // The save question on closing, when the document has a whole
    // identifier and a municipality: Yes saves, No drops the recovery copy,
    // a dismissed question keeps it for the next start.
    void offerSaveOnClose();
    // Writes the data file; reports a failure through the error box, and
    // says where the file loaded was set aside when it was.
    bool save();
    // The document's identifier is one the register does not know, while
    // the register holds its gmina under a new one: the clerk is asked
    // whether to move the document there. Yes fills in the identity block
    // from the register and saves at once; No (or no answer) changes
    // nothing. Run by start().
    void offerNewIdentifier();
    // The print run: saves, fills every print slot, lists the check's
    // findings above the pages and shows the preview. True when the preview
    // was opened by this run and has been closed again; false when the save
    // failed or a preview already open just shows the new pages.
    bool print();
    // The window closes: the recovery copy is brought up to date and an
    // open preview closes.
    void close();
    // The desktop is ending the session: no question is asked.
    bool sessionEnding() const;

    // The composite report and the printed pages TStrona1 ... TStrona6,
    // created at the first print.
    report::CompositeReport *compositeReport();
    QList<report::ReportPage *> printedPages();
    // The recovery copy's keeper, from start() on; else nullptr.
    Recovery *recovery() const { return recovery_.get(); }

private:
    struct Saved;
    // Writes `doc` to its data file: a failure goes to the error box, a
    // success to the recovery copy, which goes. Saved under another name
    // than the file loaded, that file is set aside.
    Saved writeDataFile(const Document &doc);
    // What the clerk is told after a successful save: "Dane zostały zapisane
    // do pliku ..." when `withSavedMessage`, with where the file loaded was
    // set aside in the same message (or that alone); then, in the error box,
    // why it could not be.
    static void tellSaved(const Saved &saved, bool withSavedMessage);

    DocumentModel &model_;
    WorkFolder folder_;
    RegisterLookupFn lookup_;
    // The data file the document was loaded from or last saved to (bare
    // name); empty when it came from none.
    QString dataFile_;
    std::unique_ptr<FolderLock> folderLock_;
    std::unique_ptr<Recovery> recovery_;
    report::CompositeReport *composite_ = nullptr;
    QList<report::ReportPage *> printedPages_;
};

} // namespace iqx
