// What a screen reader finds on the entry pages: every position's box,
// reached through the accessibility interface, is named with its number and
// what it asks.
#include "document/descriptions.h"
#include "support/guitest.h"

#include <QAccessible>
#include <QCheckBox>
#include <QLineEdit>
#include <QSet>
#include <QtTest>

#include <memory>

class TestAccessibleNames : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { f_ = std::make_unique<guitest::Window>(); }
    void cleanupTestCase() { f_.reset(); }
    void everyPositionIsNamed();
    void unitsOnlyOnTextBoxes();

private:
    QWidget *box(int n) const
    {
        return iqx::position(n).isFlag() ? static_cast<QWidget *>(f_->w.checkBox(n)) : f_->w.textBox(n);
    }
    std::unique_ptr<guitest::Window> f_;
};

void TestAccessibleNames::everyPositionIsNamed()
{
    QSet<QString> names;
    for (int n = 0; n < iqx::kPositionCount; ++n) {
        QWidget *w = box(n);
        QVERIFY2(w && w->objectName() == iqx::controlName(n), qPrintable(iqx::controlName(n)));
        QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(w);
        QVERIFY2(iface, qPrintable(w->objectName()));
        const QString name = iface->text(QAccessible::Name);
        QVERIFY2(name.startsWith(QStringLiteral("Pozycja %1: ").arg(n)), qPrintable(name));
        QVERIFY2(name.size() > 14, qPrintable(name));
        QCOMPARE(name, iqx::accessibleNameOf(n));
        QCOMPARE(iface->text(QAccessible::Description), iqx::accessibleDescriptionOf(n));
        names.insert(name);
    }
    QCOMPARE(names.size(), iqx::kPositionCount);
}

// A unit belongs to a number typed into a box; a check box answers yes or
// no. A table shifted against the pages shows up here.
void TestAccessibleNames::unitsOnlyOnTextBoxes()
{
    for (int n = 0; n < iqx::kPositionCount; ++n)
        if (qobject_cast<QCheckBox *>(box(n)))
            QVERIFY2(!*iqx::positionDescription(n).unit, qPrintable(box(n)->objectName()));
}

QTEST_MAIN(TestAccessibleNames)
#include "tst_accessiblenames.moc"
