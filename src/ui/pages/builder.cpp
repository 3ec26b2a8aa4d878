#include "document/positions.h"
#include "ui/pages/accessiblenames.h"
#include "ui/pages/entryedit.h"
#include "ui/pages/entrytable.h"

#include <QCheckBox>
#include <QFont>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>

namespace iqx::ui {

QFont screenFont(int px, bool bold)
{
    // MS Sans Serif is a Windows bitmap font; a sans-serif of the same pixel
    // heights stands in for it, narrowed to 90 % so that captions take about
    // the room they were laid out for and do not run into the boxes.
    // On Windows MS Sans Serif is there, but only in fixed bitmap sizes;
    // Arial, whose letters are as wide as Liberation Sans's, stands in, so
    // that captions take the same room on both systems.
#if defined(Q_OS_WIN)
    const QString family = QStringLiteral("Arial");
#else
    const QString family = QStringLiteral("MS Sans Serif");
#endif
    static const bool substituted = [&family] {
        QFont::insertSubstitution(family, QStringLiteral("Liberation Sans"));
        return true;
    }();
    Q_UNUSED(substituted);
    QFont f(family);
    f.setPixelSize(px);
    f.setBold(bold);
    f.setStretch(90);
    // Letters stand at the font's own widths, narrowed by the stretch, and
    // only their heights are fitted to the pixel grid, as the Linux desktop
    // does by default. Windows, asked for its default, fits the widths too:
    // each letter is rounded to whole pixels and the narrowing is applied
    // unevenly, so lines came out some 7 % wider than the layout allows and
    // captions ran into their neighbours. Asked for vertical fitting only,
    // Windows draws with DirectWrite at the font's own widths, at 100 % as at
    // any other scale, and the captions take the same room on both systems.
    f.setHintingPreference(QFont::PreferVerticalHinting);
    return f;
}

namespace {

void applyFont(QWidget *w, const EntryRow &row)
{
    if (row.fontPx > 0)
        w->setFont(screenFont(row.fontPx, row.bold));
    else if (row.bold) {
        QFont f = w->font();
        f.setBold(true);
        w->setFont(f);
    }
}

// A position's number label ("51.", "  5."): it has only the room of its
// designed width, 24 px, before its box, which three digits in the stand-in
// font overrun; number labels are narrowed further.
bool isNumberLabel(const EntryRow &row)
{
    static const QRegularExpression number(QStringLiteral("^ *[0-9]+\\.$"));
    return row.kind == Kind::Label && row.text && number.match(QString::fromUtf8(row.text)).hasMatch();
}

QWidget *buildRow(QWidget *parent, const EntryRow &row, PositionControls *controls)
{
    const QString text = row.text ? QString::fromUtf8(row.text) : QString();
    QWidget *w = nullptr;
    switch (row.kind) {
    case Kind::Label:
    case Kind::Header: {
        auto *label = new QLabel(text, parent);
        label->setTextFormat(Qt::PlainText);
        label->setContentsMargins(0, 0, 0, 0);
        label->setIndent(0);
        label->setMargin(0);
        if (row.silver) {
            label->setAutoFillBackground(true);
            QPalette p = label->palette();
            p.setColor(QPalette::Window, QColor(192, 192, 192));
            label->setPalette(p);
        }
        w = label;
        break;
    }
    case Kind::Edit: {
        Q_ASSERT(row.position >= 0 && row.position < kPositionCount && !position(row.position).isFlag());
        const Position &p = position(row.position);
        auto *edit = new EntryEdit(parent);
        edit->setObjectName(editName(p.number));
        edit->setKeyFilter(p.filter);
        edit->setTypingLimit(p.typingLimit);
        if (p.kind == PositionKind::IdentityName) {
            edit->setEnabled(false);
            edit->setVisible(false);
        }
        nameForScreenReaders(edit, p.number);
        if (controls)
            controls->edits[p.number] = edit;
        w = edit;
        break;
    }
    case Kind::Check: {
        Q_ASSERT(row.position >= 0 && row.position < kPositionCount && position(row.position).isFlag());
        auto *check = new QCheckBox(QStringLiteral("TAK"), parent);
        check->setObjectName(checkBoxName(row.position));
        nameForScreenReaders(check, row.position);
        if (controls)
            controls->checks[row.position] = check;
        w = check;
        break;
    }
    case Kind::Line: {
        // A 1-px black line.
        auto *line = new QWidget(parent);
        line->setAutoFillBackground(true);
        QPalette p = line->palette();
        p.setColor(QPalette::Window, Qt::black);
        line->setPalette(p);
        w = line;
        break;
    }
    case Kind::Button:
        w = new QPushButton(text, parent);
        break;
    }
    if (row.name)
        w->setObjectName(QString::fromUtf8(row.name));
    applyFont(w, row);
    if (isNumberLabel(row)) {
        QFont f = w->font();
        f.setStretch(80);
        w->setFont(f);
    }
    if (row.w > 0 && row.h > 0)
        w->setGeometry(row.x, row.y, row.w, row.h);
    else {
        w->move(row.x, row.y);
        w->adjustSize();
    }
    return w;
}

} // namespace

QWidget *PositionControls::control(int n) const
{
    if (n < 0 || n >= kPositionCount)
        return nullptr;
    return edits[n] ? static_cast<QWidget *>(edits[n]) : checks[n];
}

void buildRows(QWidget *parent, const QList<EntryRow> &rows, PositionControls *controls)
{
    QList<std::pair<QLabel *, int>> headers;
    for (const EntryRow &row : rows) {
        QWidget *w = buildRow(parent, row, controls);
        if (row.kind == Kind::Header && row.mirrors >= 0)
            headers.append({static_cast<QLabel *>(w), row.mirrors});
    }
    // Header labels show their box's whole text on every change.
    for (const auto &header : headers) {
        QLabel *label = header.first;
        QLineEdit *box = controls ? controls->edits[header.second] : nullptr;
        Q_ASSERT_X(box, "buildRows", "a header label mirrors a box built before it");
        if (!box)
            continue;
        QObject::connect(box, &QLineEdit::textChanged, label, [label](const QString &t) {
            label->setText(t);
            label->adjustSize();
        });
        label->setText(box->text());
        label->adjustSize();
    }
}

} // namespace iqx::ui
