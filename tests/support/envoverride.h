#pragma once
#include <QByteArray>
#include <QString>
#include <QtGlobal>

// Sets an environment variable for the life of the object, then puts back
// what was there (or nothing).
class EnvOverride {
public:
    EnvOverride(const char *name, const QString &value)
        : name_(name), had_(qEnvironmentVariableIsSet(name)), old_(qgetenv(name))
    {
        qputenv(name, value.toLocal8Bit());
    }
    ~EnvOverride() { had_ ? qputenv(name_, old_) : qunsetenv(name_); }
    EnvOverride(const EnvOverride &) = delete;
    EnvOverride &operator=(const EnvOverride &) = delete;

private:
    const char *name_;
    bool had_;
    QByteArray old_;
};
