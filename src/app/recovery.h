#pragma once
#include "document/document.h"

#include <QDir>
#include <QObject>
#include <QThread>
#include <QTimer>

namespace iqx {

class DocumentModel;

// Keeps the recovery copy of the document being edited (storage/recoveryfile.h)
// up to date, so that what the clerk typed survives a crash, a power cut or
// the end of the desktop session, and offers it at the next start. The data
// file itself is written only where it always was: on printing and on
// closing with Yes.
//
// A change of any value in the model only marks the document changed and
// starts a short timer; when it runs out, the model's document is handed to
// a writer thread, which writes the copy and flushes it to the
// disk (a flush takes milliseconds, which typing must not wait for). The
// copy is thus at most a second behind. When the document is again the one
// last loaded or saved, the copy is removed instead. Writes and removals
// are done in the order they were asked for.
class Recovery : public QObject {
    Q_OBJECT
public:
    // How long after a change the copy is written.
    static constexpr int kDelayMs = 1000;

    Recovery(DocumentModel &model, const QDir &dir);
    ~Recovery() override;

    // At the first activation, once the folder is the window's and
    // `loaded` (the document of the data file, or an empty one) is in the
    // model: a copy that holds entries neither shown nor saved is offered;
    // Yes puts it into the model, No removes it, and a question closed
    // without an answer leaves it for the next start (this run then keeps no
    // copy). From then on every change of a value is followed.
    void start(const Document &loaded);
    // The document `doc` was written to its data file: the copy goes.
    void saved(const Document &doc);
    // The clerk chose to close without saving: the copy goes.
    void discard();
    // What the timer runs: hands the write of the model's document to the
    // writer thread; returns at once.
    void queueWrite();
    // Writes the copy now if a change is waiting for the timer, and returns
    // once everything asked for is on the disk.
    void flush();
    // The desktop ends the session: the copy is brought up to date, and the
    // close question is not asked (the next start offers the copy).
    void endSession();
    bool sessionEnding() const { return sessionEnding_; }

private:
    void offerCopy(const Document &loaded);
    void changed();
    void removeCopy();
    void waitForWriter();
    void written(const QString &error);

    DocumentModel &model_;
    QDir dir_;
    QTimer timer_;
    QThread writerThread_;
    QObject writer_;    // lives in writerThread_: what is queued to it runs there in order
    Document baseline_; // the document last loaded or saved
    bool pending_ = false;
    bool enabled_ = true;
    bool failureReported_ = false;
    bool sessionEnding_ = false;
};

} // namespace iqx
