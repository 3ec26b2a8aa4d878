#pragma once
#include <QByteArray>
#include <QString>
#include <optional>

struct zip;

// A zip archive held in memory, read through libzip: the names and sizes of
// its members and the bytes of one, unpacked up to a limit.
namespace iqx {

class ZipReader {
public:
    // Opens the archive in `bytes`, which must outlive the reader, with
    // libzip's stricter consistency checks: a cut or damaged archive is
    // refused here (error()).
    explicit ZipReader(const QByteArray &bytes);
    ~ZipReader();
    ZipReader(const ZipReader &) = delete;
    ZipReader &operator=(const ZipReader &) = delete;

    bool isOpen() const { return archive_ != nullptr; }
    const QString &error() const { return error_; }
    qint64 memberCount() const;
    // The member's name (UTF-8 where the archive says so, else guessed).
    QString name(qint64 index) const;
    // The unpacked size the archive declares; nullopt when it declares none.
    std::optional<quint64> declaredSize(qint64 index) const;
    // The member's bytes, unpacked and checked against its CRC. Nullopt with
    // the reason in `reason` on an error, an encrypted member, or when it
    // unpacks to more than `limit` bytes (then no more than that is
    // inflated).
    std::optional<QByteArray> read(qint64 index, qsizetype limit, QString *reason) const;

private:
    struct zip *archive_ = nullptr;
    QString error_;
};

} // namespace iqx
