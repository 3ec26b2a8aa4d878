#pragma once
#include "document/document.h"
#include "document/registry.h"

#include <QObject>

namespace iqx {

// The document being edited: while the window is open, the one place its
// 223 values live. The entry boxes write every change here and show what is
// here; the exit checks, the recovery copy, the close question and the
// print run read it from here, never from the boxes.
class DocumentModel : public QObject {
    Q_OBJECT
public:
    explicit DocumentModel(QObject *parent = nullptr);

    const Document &document() const { return doc_; }
    const QString &text(int n) const { return doc_.text(n); }
    bool isChecked(int n) const { return doc_.isChecked(n); }

    // Change one value; valueChanged(n) follows when it differs.
    void setText(int n, const QString &text);
    void setChecked(int n, bool checked);
    // Replaces every value (a loaded or restored document): documentReplaced()
    // follows, and no valueChanged().
    void setDocument(const Document &doc);
    // The register's names and type for the identity block: the county,
    // the municipality, the type and the voivodeship, in this order, each a
    // change of its own (so each header label follows at once). The
    // identifier itself is left as it is.
    void setIdentity(const RegisterEntry &entry);

signals:
    // Position `n` changed, by typing or by a check (a lookup filling in
    // the names, a refusal clearing a box).
    void valueChanged(int n);
    void documentReplaced();

private:
    Document doc_;
};

} // namespace iqx
