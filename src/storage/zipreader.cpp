#include "storage/zipreader.h"

#include <zip.h>

namespace iqx {

ZipReader::ZipReader(const QByteArray &bytes)
{
    zip_error_t error;
    zip_error_init(&error);
    // The source only lends the bytes (freep 0): the QByteArray keeps them.
    zip_source_t *source = zip_source_buffer_create(bytes.constData(), zip_uint64_t(bytes.size()), 0, &error);
    if (source)
        archive_ = zip_open_from_source(source, ZIP_CHECKCONS | ZIP_RDONLY, &error);
    if (!archive_) {
        error_ = QString::fromUtf8(zip_error_strerror(&error));
        if (source)
            zip_source_free(source); // on success the archive owns it
    }
    zip_error_fini(&error);
}

ZipReader::~ZipReader()
{
    if (archive_)
        zip_discard(archive_); // read only: nothing to write back
}

qint64 ZipReader::memberCount() const { return archive_ ? zip_get_num_entries(archive_, 0) : 0; }

QString ZipReader::name(qint64 index) const
{
    const char *n = zip_get_name(archive_, zip_uint64_t(index), ZIP_FL_ENC_GUESS);
    return n ? QString::fromUtf8(n) : QString();
}

std::optional<quint64> ZipReader::declaredSize(qint64 index) const
{
    zip_stat_t st;
    zip_stat_init(&st);
    if (zip_stat_index(archive_, zip_uint64_t(index), 0, &st) != 0 || !(st.valid & ZIP_STAT_SIZE))
        return std::nullopt;
    return quint64(st.size);
}

std::optional<QByteArray> ZipReader::read(qint64 index, qsizetype limit, QString *reason) const
{
    zip_stat_t st;
    zip_stat_init(&st);
    if (zip_stat_index(archive_, zip_uint64_t(index), 0, &st) == 0 && (st.valid & ZIP_STAT_ENCRYPTION_METHOD)
        && st.encryption_method != ZIP_EM_NONE) {
        *reason = QStringLiteral("plik w archiwum jest zaszyfrowany");
        return std::nullopt;
    }
    zip_file_t *file = zip_fopen_index(archive_, zip_uint64_t(index), 0);
    if (!file) {
        *reason = QString::fromUtf8(zip_strerror(archive_));
        return std::nullopt;
    }
    QByteArray bytes;
    char buffer[64 * 1024];
    for (;;) {
        const zip_int64_t n = zip_fread(file, buffer, sizeof buffer);
        if (n < 0) {
            *reason = QString::fromUtf8(zip_file_strerror(file));
            zip_fclose(file);
            return std::nullopt;
        }
        if (n == 0)
            break;
        if (bytes.size() + n > limit) {
            *reason =
                QStringLiteral("plik w archiwum ma po rozpakowaniu ponad %1 MiB").arg(limit / (qsizetype(1024) * 1024));
            zip_fclose(file);
            return std::nullopt;
        }
        bytes.append(buffer, qsizetype(n));
    }
    // A damaged member shows at its end: the CRC is checked there.
    if (const int error = zip_fclose(file); error != 0) {
        zip_error_t e;
        zip_error_init_with_code(&e, error);
        *reason = QString::fromUtf8(zip_error_strerror(&e));
        zip_error_fini(&e);
        return std::nullopt;
    }
    return bytes;
}

} // namespace iqx
