#pragma once
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
// preview. It reads and fills the model, never the boxes. Data files and the
// register are addressed relative to the current directory.
class Session : public QObject {
    Q_OBJECT
public:
    explicit Session(DocumentModel &model, QObject *parent = nullptr);
    ~Session() override; // closes a preview that is still open

    enum class Start {
        Refused,    // no register, or another window holds the folder: the program ends
        Started,    // loaded (or nothing to load): the clerk goes on at page 1
        LoadFailed, // the data file could not be read (said so): the rest of the start is skipped
    };
    // The register check, the folder taken for this window alone, the
    // cleanup of what a crash left, the first data file into the model and
    // the offer of a recovery copy.
    Start start();
    // The folder's lock, taken before the window was shown; start() then
    // takes none of its own.
    void adoptFolderLock(std::unique_ptr<FolderLock> lock);

    // The save question on closing, when the document has a whole
    // identifier and a municipality: Yes saves, No drops the recovery copy,
    // a dismissed question keeps it for the next start.
    void offerSaveOnClose();
    // Writes the data file; reports a failure through the error box.
    bool save();
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
    // Writes `doc` to its data file: a failure goes to the error box, a
    // success to the recovery copy, which goes.
    SaveResult writeDataFile(const Document &doc);

    DocumentModel &model_;
    std::unique_ptr<FolderLock> folderLock_;
    std::unique_ptr<Recovery> recovery_;
    report::CompositeReport *composite_ = nullptr;
    QList<report::ReportPage *> printedPages_;
};

} // namespace iqx
