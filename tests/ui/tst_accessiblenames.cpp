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
    std::unique_ptr<guitest::Window> f_;
};

void TestAccessibleNames::everyPositionIsNamed()
{
    QSet<QString> names;
    const auto controls = iqx::positionControls(&f_->w);
    QCOMPARE(controls.size(), iqx::kPositionCount);
    for (const iqx::PositionControl &c : controls) {
        QWidget *w = c.edit ? static_cast<QWidget *>(c.edit) : c.check;
        QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(w);
        QVERIFY2(iface, qPrintable(w->objectName()));
        const QString name = iface->text(QAccessible::Name);
        QVERIFY2(name.startsWith(QStringLiteral("Pozycja %1: ").arg(c.number)), qPrintable(name));
        QVERIFY2(name.size() > 14, qPrintable(name));
        QCOMPARE(name, iqx::accessibleNameOf(c.number));
        QCOMPARE(iface->text(QAccessible::Description), iqx::accessibleDescriptionOf(c.number));
        names.insert(name);
    }
    QCOMPARE(names.size(), iqx::kPositionCount);
}

// A unit belongs to a number typed into a box; a check box answers yes or
// no. A table shifted against the pages shows up here.
void TestAccessibleNames::unitsOnlyOnTextBoxes()
{
    for (const iqx::PositionControl &c : iqx::positionControls(&f_->w))
        if (c.check)
            QVERIFY2(!*iqx::positionDescription(c.number).unit, qPrintable(c.check->objectName()));
}

QTEST_MAIN(TestAccessibleNames)
#include "tst_accessiblenames.moc"
