#pragma once
#include <QDir>
#include <QFile>
#include <QString>
#include <QTemporaryDir>

// A temporary folder made the current directory for the life of the object,
// optionally holding a copy of the shipped register.
class WorkDir {
public:
    explicit WorkDir(bool withRegister = true) : previous_(QDir::currentPath())
    {
        if (withRegister)
            QFile::copy(registerSource(), dir_.filePath(QStringLiteral("GMINY.txt")));
        QDir::setCurrent(dir_.path());
    }
    ~WorkDir() { QDir::setCurrent(previous_); }
    QString path() const { return dir_.path(); }
    QString filePath(const QString &name) const { return dir_.filePath(name); }
    QByteArray read(const QString &name) const
    {
        QFile f(filePath(name));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    void write(const QString &name, const QByteArray &bytes) const
    {
        QFile f(filePath(name));
        if (f.open(QIODevice::WriteOnly))
            f.write(bytes);
    }
    static QString registerSource()
    {
        return qEnvironmentVariable("IQX_SOURCE_DIR") + QStringLiteral("/data/GMINY.txt");
    }

private:
    QTemporaryDir dir_;
    QString previous_;
};
