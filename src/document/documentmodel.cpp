#include "document/documentmodel.h"

namespace iqx {

DocumentModel::DocumentModel(QObject *parent) : QObject(parent) {}

void DocumentModel::setText(int n, const QString &text)
{
    if (doc_.text(n) == text)
        return;
    doc_.setText(n, text);
    emit valueChanged(n);
}

void DocumentModel::setChecked(int n, bool checked)
{
    if (doc_.isChecked(n) == checked)
        return;
    doc_.setChecked(n, checked);
    emit valueChanged(n);
}

void DocumentModel::setDocument(const Document &doc)
{
    doc_ = doc;
    emit documentReplaced();
}

void DocumentModel::setIdentity(const RegisterEntry &entry)
{
    setText(kCountyPosition, entry.county);
    setText(kMunicipalityPosition, entry.municipality);
    setText(kTypePosition, translateType(entry.typeCode));
    setText(kVoivodeshipPosition, entry.voivodeship);
}

} // namespace iqx
