#pragma once
#include <QDir>
#include <QFile>
#include <QString>
#include <QTemporaryDir>

// A temporary folder, optionally holding a copy of the shipped register.
// The current directory stays as it is: what works in the folder is given
// its path.
class WorkDir {
public:
    explicit WorkDir(bool withRegister = true)
    {
        if (withRegister)
            QFile::copy(registerSource(), dir_.filePath(QStringLiteral("GMINY.txt")));
    }
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
};

// Makes `path` the current directory for the life of the object, for the
// tests of the program's own start, which works in the folder it was
// started in.
class CurrentDir {
public:
    explicit CurrentDir(const QString &path) : previous_(QDir::currentPath()) { QDir::setCurrent(path); }
    ~CurrentDir() { QDir::setCurrent(previous_); }
    CurrentDir(const CurrentDir &) = delete;
    CurrentDir &operator=(const CurrentDir &) = delete;

private:
    QString previous_;
};
