#include "app/recovery.h"

#include "base/messages.h"
#include "document/documentmodel.h"
#include "storage/recoveryfile.h"

#include <QGuiApplication>

namespace iqx {

Recovery::Recovery(DocumentModel &model, const QDir &dir) : model_(model), dir_(dir)
{
    timer_.setSingleShot(true);
    timer_.setInterval(kDelayMs);
    connect(&timer_, &QTimer::timeout, this, &Recovery::queueWrite);
    if (auto *app = qobject_cast<QGuiApplication *>(QCoreApplication::instance()))
        connect(app, &QGuiApplication::commitDataRequest, this, &Recovery::endSession);
    writerThread_.setObjectName(QStringLiteral("recovery copy writer"));
    writer_.moveToThread(&writerThread_);
    writerThread_.start(QThread::LowPriority);
}

Recovery::~Recovery()
{
    // A write already asked for is finished, never cut short.
    QMetaObject::invokeMethod(
        &writer_, [] {}, Qt::BlockingQueuedConnection);
    writerThread_.quit();
    writerThread_.wait();
}

void Recovery::start(const Document &loaded)
{
    baseline_ = loaded;
    offerCopy(loaded);
    // Connected only now: the document loaded or restored is no change.
    connect(&model_, &DocumentModel::valueChanged, this, &Recovery::changed);
}

void Recovery::offerCopy(const Document &loaded)
{
    const RecoveryCopy copy = readRecoveryCopy(dir_);
    const QString name = QString::fromLatin1(kRecoveryFileName);
    if (copy.status == RecoveryCopy::None)
        return;
    if (copy.status == RecoveryCopy::Damaged) {
        QString why;
        const QString aside = setDamagedCopyAside(dir_, &why);
        if (aside.isEmpty()) {
            // It is never replaced: no copy is kept during this run.
            enabled_ = false;
            messages().error(QStringLiteral("Kopii niezapisanych danych %1 nie wczytano, bo %2. Nie udało się jej "
                                            "odłożyć (%3), więc zostaje bez zmian, a do zamknięcia programu nowe "
                                            "wpisy nie będą zabezpieczane kopią.")
                                 .arg(name, copy.reason, why));
        } else {
            messages().error(QStringLiteral("Kopii niezapisanych danych %1 nie wczytano, bo %2. Odłożono ją bez "
                                            "zmian jako %3.")
                                 .arg(name, copy.reason, aside));
        }
        return;
    }
    // Nothing that is not shown or saved already: a leftover.
    if (copy.document == loaded || copy.sameAsDataFile) {
        removeRecoveryCopy(dir_);
        return;
    }
    // Whatever the times say, entries that differ are the clerk's to keep
    // or drop; a data file dated later is only mentioned.
    const auto day = [](const QDateTime &t) { return t.toString(QStringLiteral("d.M.yyyy")); };
    const auto hour = [](const QDateTime &t) { return t.toString(QStringLiteral("HH:mm")); };
    QString question = QStringLiteral("Znaleziono niezapisane dane dokumentu %1 z %2, godz. %3. ")
                           .arg(copy.dataFileName, day(copy.written), hour(copy.written));
    if (copy.dataFileWritten.isValid() && copy.dataFileWritten > copy.written)
        question += QStringLiteral("Plik %1 ma późniejszą datę zapisu (%2, godz. %3). ")
                        .arg(copy.dataFileName, day(copy.dataFileWritten), hour(copy.dataFileWritten));
    question += QStringLiteral("Czy przywrócić niezapisane wpisy?");
    switch (messages().confirm(QStringLiteral("Odzyskiwanie danych"), question)) {
    case Answer::Yes:
        model_.setDocument(copy.document); // the copy stays until the document is saved
        break;
    case Answer::No:
        removeRecoveryCopy(dir_);
        break;
    case Answer::Dismissed:
        // No answer: the copy stays as it is, to be offered at the next
        // start, so this run neither writes over it nor removes it.
        enabled_ = false;
        messages().inform(QStringLiteral("Kopia niezapisanych danych %1 zostaje bez zmian; program zapyta o nią "
                                         "przy następnym uruchomieniu. Do tego czasu nowe wpisy nie będą "
                                         "zabezpieczane kopią.")
                              .arg(name));
        break;
    }
}

void Recovery::changed()
{
    if (!enabled_)
        return;
    pending_ = true;
    // Not restarted by later keys: steady typing still writes every second.
    if (!timer_.isActive())
        timer_.start();
}

void Recovery::queueWrite()
{
    timer_.stop();
    if (!pending_)
        return;
    pending_ = false;
    const Document doc = model_.document();
    if (doc == baseline_) {
        removeCopy();
        return;
    }
    // The writer gets the folder's path, not this QDir: nothing is shared
    // between the threads but the values handed over.
    QMetaObject::invokeMethod(
        &writer_,
        [this, path = dir_.absolutePath(), doc] {
            const QString error = writeRecoveryCopy(QDir(path), doc);
            QMetaObject::invokeMethod(
                this, [this, error] { written(error); }, Qt::QueuedConnection);
        },
        Qt::QueuedConnection);
}

void Recovery::removeCopy()
{
    QMetaObject::invokeMethod(
        &writer_, [path = dir_.absolutePath()] { removeRecoveryCopy(QDir(path)); }, Qt::QueuedConnection);
}

void Recovery::waitForWriter()
{
    QMetaObject::invokeMethod(
        &writer_, [] {}, Qt::BlockingQueuedConnection);
    // The outcome of what was written is known now, not at some later event.
    QCoreApplication::sendPostedEvents(this, QEvent::MetaCall);
}

void Recovery::written(const QString &error)
{
    if (error.isEmpty()) {
        failureReported_ = false;
        return;
    }
    // Said once, not after every key; again only after a write succeeded.
    if (!failureReported_) {
        failureReported_ = true;
        messages().error(QStringLiteral("Nie udało się zapisać kopii niezapisanych danych. %1\nWpisy zostaną zapisane "
                                        "dopiero przy drukowaniu albo przy zamknięciu programu z zapisem.")
                             .arg(error));
    }
}

void Recovery::flush()
{
    queueWrite();
    waitForWriter();
}

void Recovery::saved(const Document &doc)
{
    baseline_ = doc;
    pending_ = false;
    timer_.stop();
    if (enabled_)
        removeCopy();
    waitForWriter();
}

void Recovery::discard()
{
    pending_ = false;
    timer_.stop();
    if (enabled_)
        removeCopy();
    waitForWriter();
}

void Recovery::endSession()
{
    sessionEnding_ = true;
    flush();
}

} // namespace iqx
