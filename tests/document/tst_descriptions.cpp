// The table of position descriptions: one well-formed, distinct entry per
// position, and a sample of entries that pins rows and columns in place.
#include "document/descriptions.h"

#include <QRegularExpression>
#include <QSet>
#include <QTest>

using namespace iqx;

class TestDescriptions : public QObject {
    Q_OBJECT
private slots:
    void everyPositionHasOneDistinctEntry();
    void sample_data();
    void sample();
    void numbersOutsideTheTableGiveNothing();
};

void TestDescriptions::everyPositionHasOneDistinctEntry()
{
    static const QRegularExpression keyForm(QStringLiteral("^[a-z0-9_]+$"));
    QSet<QString> keys, descriptions;
    for (int n = 0; n < kPositionCount; ++n) {
        const PositionDescription &d = positionDescription(n);
        const QString key = QString::fromUtf8(d.key);
        const QString description = QString::fromUtf8(d.description);
        const QString section = QString::fromUtf8(d.section);
        QCOMPARE(d.number, n);
        QVERIFY2(keyForm.match(key).hasMatch(), d.key);
        QVERIFY2(key.size() <= 40, d.key);
        QVERIFY(!section.isEmpty());
        // The section code opens the description and is followed by words.
        QVERIFY2(description.startsWith(section + u' '), d.description);
        QVERIFY2(description.size() > section.size() + 3, d.description);
        QVERIFY2(description == description.trimmed() && !description.contains(QStringLiteral("  ")), d.description);
        keys.insert(key);
        descriptions.insert(description);
    }
    QCOMPARE(keys.size(), kPositionCount);
    QCOMPARE(descriptions.size(), kPositionCount);
}

void TestDescriptions::sample_data()
{
    QTest::addColumn<int>("n");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("help");
    const struct {
        int n;
        const char *key, *name, *help;
    } rows[] = {
        {0, "a_typ_gminy", "Pozycja 0: Typ gminy", ""},
        {7, "b1_grunty_dzialalnosc_stawka",
         "Pozycja 7: Grunty związane z prowadzeniem działalności gospodarczej – maksymalna stawka przyjęta "
         "uchwałą rady gminy w 2005 r.",
         "Część B.1, jednostka: złote"},
        {10, "b1_grunty_jeziora_podstawa", nullptr, "Część B.1, jednostka: hektary"},
        {47, "b1_budowle_stawka", nullptr, "Część B.1, jednostka: procent"},
        {51, "b1_ogolem_wplywy_2004", "Pozycja 51: Ogółem – wpływy z podatku w 2004 r.", nullptr},
        {85, "b4_program_pomocowy", nullptr, "Część B.4"},
        {102, "c2_rowy_bez_klasy_poza_gosp", nullptr, nullptr},
        {128, "e2_nip_nier_zasob", nullptr, nullptr},
        {174, "e2_adres_les_zasob", nullptr, nullptr},
        {190, "f7_inna_baza_danych", nullptr, nullptr},
        {197, "f10_siec_lan_plan_rok", nullptr, "Część F.10"},
        {206, "h1_zezwolenia_inny_sposob", nullptr, nullptr},
        {219, "h5_terminowosc_nieprawidlowosci", nullptr, nullptr},
        {222, "j_email", "Pozycja 222: Osoba wypełniająca ankietę – adres e-mail", "Część J"},
    };
    for (const auto &r : rows)
        QTest::addRow("%d", r.n) << r.n << QString::fromUtf8(r.key) << (r.name ? QString::fromUtf8(r.name) : QString())
                                 << (r.help ? QString::fromUtf8(r.help) : QString());
}

void TestDescriptions::sample()
{
    QFETCH(int, n);
    QFETCH(QString, key);
    QFETCH(QString, name);
    QFETCH(QString, help);
    QCOMPARE(QString::fromUtf8(positionDescription(n).key), key);
    if (!name.isNull())
        QCOMPARE(accessibleNameOf(n), name);
    if (!help.isNull())
        QCOMPARE(accessibleDescriptionOf(n), help);
}

void TestDescriptions::numbersOutsideTheTableGiveNothing()
{
    QVERIFY(accessibleNameOf(-1).isEmpty());
    QVERIFY(accessibleNameOf(kPositionCount).isEmpty());
    QVERIFY(accessibleDescriptionOf(kPositionCount).isEmpty());
}

QTEST_GUILESS_MAIN(TestDescriptions)
#include "tst_descriptions.moc"
