#include "document/registry.h"
#include "storage/registerscanner.h"
#include "storage/cp1250.h"
#include "storage/registerfile.h"

#include "support/filesystem.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#if !defined(Q_OS_WIN)
#include <sys/stat.h>
#endif
#if defined(__GLIBC__)
#include <iconv.h>
#endif

using namespace iqx;

namespace {
QByteArray cp(const QString &text) { return *cp1250::encode(text); }

QByteArray readShippedRegister()
{
    QFile f(qEnvironmentVariable("IQX_SOURCE_DIR") + QStringLiteral("/data/GMINY.txt"));
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return f.readAll();
}
} // namespace

class TestRegistry : public QObject {
    Q_OBJECT
private slots:
    void typeTranslation_data();
    void typeTranslation();
    void lookup_data();
    void lookup();
    void byteOrderMarkInAnyPieces();
    void undecodableMatchingLine();
    void malformedLinesNeverCrash();
    void newIdentifier_data();
    void newIdentifier();
    void manyMatchesKeepTwoIdentifiers();
    void shippedRegister_data();
    void shippedRegister();
    void hostileRegisterFiles_data();
    void hostileRegisterFiles();
    void cp1250PolishLetters();
    void cp1250AgainstIconv();
    void cp1250Refusals();
};

void TestRegistry::typeTranslation_data()
{
    QTest::addColumn<QString>("code");
    QTest::addColumn<QString>("type");
    QTest::newRow("GM") << "GM"
                        << "miejska";
    QTest::newRow("GW") << "GW"
                        << "wiejska";
    QTest::newRow("MW") << "MW"
                        << "miejsko-wiejska";
    QTest::newRow("empty") << ""
                           << "miejsko-wiejska";
    QTest::newRow("lower case") << "gw"
                                << "miejsko-wiejska";
    QTest::newRow("trailing blank") << "GW "
                                    << "miejsko-wiejska";
}

void TestRegistry::typeTranslation()
{
    QFETCH(QString, code);
    QFETCH(QString, type);
    QCOMPARE(translateType(code), type);
}

void TestRegistry::lookup_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("identifier");
    QTest::addColumn<bool>("found");
    QTest::addColumn<QStringList>("fields"); // voivodeship, county, municipality, type code

    const QByteArray a = cp("1111111;śląskie;będziński;Będzin;GM");
    const QByteArray b = cp("2222222;łódzkie;zgierski;Ozorków;GW");
    const QByteArray c = cp("3333333;opolskie;nyski;Głuchołazy;MW");
    QTest::newRow("CRLF") << a + "\r\n" + b + "\r\n" + c + "\r\n"
                          << "2222222" << true << QStringList{"łódzkie", "zgierski", "Ozorków", "GW"};
    QTest::newRow("LF") << a + "\n" + b + "\n" + c + "\n"
                        << "2222222" << true << QStringList{"łódzkie", "zgierski", "Ozorków", "GW"};
    QTest::newRow("last line without line end, CRLF before")
        << a + "\r\n" + c << "3333333" << true << QStringList{"opolskie", "nyski", "Głuchołazy", "MW"};
    QTest::newRow("first line") << a + "\r\n" + b << "1111111" << true
                                << QStringList{"śląskie", "będziński", "Będzin", "GM"};
    QTest::newRow("not listed") << a + "\r\n" + b + "\r\n"
                                << "4444444" << false << QStringList();
    QTest::newRow("later line wins") << a + "\r\n" + cp("1111111;V2;C2;M2;GW") + "\r\n" + b + "\r\n"
                                     << "1111111" << true << QStringList{"V2", "C2", "M2", "GW"};
    QTest::newRow("type code with a blank")
        << QByteArray("5555555;V;C;M;GW \r\n") << "5555555" << true << QStringList{"V", "C", "M", "GW "};
    QTest::newRow("type code with a further field")
        << QByteArray("5555555;V;C;M;GW;x\n") << "5555555" << true << QStringList{"V", "C", "M", "GW;x"};
    QTest::newRow("prefix of a longer first field")
        << QByteArray("55555559;V;C;M;GM\n") << "5555555" << true << QStringList{"V", "C", "M", "GM"};
    QTest::newRow("identifier elsewhere in the line")
        << QByteArray("1234567;5555555;C;M;GM\n") << "5555555" << false << QStringList();
    QTest::newRow("too few fields") << QByteArray("5555555;V\n") << "5555555" << true << QStringList{"V", "", "", ""};
    QTest::newRow("trailing blank lines") << a + "\r\n\r\n  \r\n\n"
                                          << "1111111" << true << QStringList{"śląskie", "będziński", "Będzin", "GM"};
    QTest::newRow("blank lines between") << QByteArray("\n\r\n") + b + "\n\n"
                                         << "2222222" << true << QStringList{"łódzkie", "zgierski", "Ozorków", "GW"};
    QTest::newRow("empty register") << QByteArray() << "1111111" << false << QStringList();
    QTest::newRow("empty identifier matches nothing") << a + "\n"
                                                      << "" << false << QStringList();
}

void TestRegistry::lookup()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, identifier);
    QFETCH(bool, found);
    QFETCH(QStringList, fields);
    const RegisterLookup r = lookupRegister(bytes, identifier);
    QCOMPARE(r.status, found ? RegisterLookup::Found : RegisterLookup::NotFound);
    if (found)
        QCOMPARE((QStringList{r.entry.voivodeship, r.entry.county, r.entry.municipality, r.entry.typeCode}), fields);
    // Read a byte at a time, as a file may arrive, the outcome is the same.
    RegisterScanner pieces(identifier);
    for (char c : bytes)
        pieces.feed(QByteArrayView(&c, 1));
    const RegisterLookup p = pieces.finish();
    QCOMPARE(p.status, r.status);
    QCOMPARE(p.entry.municipality, r.entry.municipality);
    QCOMPARE(p.entry.typeCode, r.entry.typeCode);
}

void TestRegistry::byteOrderMarkInAnyPieces()
{
    const QByteArray bytes = "\xEF\xBB\xBF"
                             "1111111;V;C;M;GM\r\n";
    QCOMPARE(lookupRegister(bytes, "1111111").status, RegisterLookup::Utf8);
    RegisterScanner pieces("1111111");
    for (char c : bytes)
        pieces.feed(QByteArrayView(&c, 1));
    QCOMPARE(pieces.finish().status, RegisterLookup::Utf8);
}

void TestRegistry::undecodableMatchingLine()
{
    // 0x81 is undefined in Windows-1250; only a matching line is decoded.
    const QByteArray bytes = "1111111;V;C;M\x81;GM\r\n2222222;V;C;M;GW\r\n";
    QCOMPARE(lookupRegister(bytes, "1111111").status, RegisterLookup::BadEncoding);
    const RegisterLookup other = lookupRegister(bytes, "2222222");
    QCOMPARE(other.status, RegisterLookup::Found);
    QCOMPARE(other.entry.typeCode, QStringLiteral("GW"));
}

void TestRegistry::malformedLinesNeverCrash()
{
    QByteArray bytes = "\r\n;\n;;;;\n1\n\r\r\n";
    bytes += "7777777;" + QByteArray(200000, 'x') + ";C;M;GM\r\n";
    bytes += QByteArray(100000, ';') + "\n";
    const RegisterLookup r = lookupRegister(bytes, "7777777");
    QCOMPARE(r.status, RegisterLookup::Found);
    QCOMPARE(r.entry.voivodeship.size(), 200000);
    QCOMPARE(r.entry.municipality, QStringLiteral("M"));
    QCOMPARE(lookupRegister(bytes, "1").status, RegisterLookup::Found);
    QCOMPARE(lookupRegister(bytes, "8888888").status, RegisterLookup::NotFound);
}

// A document's identifier that GUS has replaced: the register holds its
// gmina under one other identifier with the same first six digits.
void TestRegistry::newIdentifier_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("identifier");
    QTest::addColumn<QString>("now"); // the new identifier; empty: none is named

    const QByteArray konskowola = cp("0614053;lubelskie;puławski;Końskowola;MW\r\n");
    const QByteArray kurow = cp("0614063;lubelskie;puławski;Kurów;MW\r\n");
    QTest::newRow("kind changed") << konskowola + kurow << "0614052"
                                  << "0614053";
    QTest::newRow("last line, no line end") << kurow + konskowola.chopped(2) << "0614052"
                                            << "0614053";
    QTest::newRow("the same gmina on two lines") << konskowola + kurow + konskowola << "0614052"
                                                 << "0614053";
    QTest::newRow("two gminas with those digits") << konskowola + cp("0614051;lubelskie;puławski;X;GM\r\n") << "0614052"
                                                  << "";
    QTest::newRow("identifier known") << konskowola << "0614053"
                                      << "";
    QTest::newRow("no gmina with those digits") << kurow << "0614052"
                                                << "";
    QTest::newRow("a longer first field") << cp("06140531;V;C;M;GM\n") << "0614052"
                                          << "";
    QTest::newRow("six digits") << konskowola << "061405"
                                << "";
    QTest::newRow("not digits") << konskowola << "06140x2"
                                << "";
    QTest::newRow("UTF-8 register") << "\xEF\xBB\xBF" + konskowola << "0614052"
                                    << "";
}

void TestRegistry::newIdentifier()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, identifier);
    QFETCH(QString, now);
    const RegisterLookupFn lookup = [&bytes](const QString &key) { return lookupRegister(bytes, key); };
    const std::optional<RegisterLine> found = newIdentifierOf(lookup, identifier);
    QCOMPARE(found.has_value(), !now.isEmpty());
    if (found) {
        QCOMPARE(found->identifier, now);
        QCOMPARE(found->entry.municipality, QStringLiteral("Końskowola"));
        QCOMPARE(translateType(found->entry.typeCode), QStringLiteral("miejsko-wiejska"));
    }
}

// However many lines match a short key, two identifiers are kept: memory
// stays flat, and one gmina is still told from several.
void TestRegistry::manyMatchesKeepTwoIdentifiers()
{
    QByteArray bytes;
    for (int i = 0; i < 100000; ++i)
        bytes += "12" + QByteArray::number(100000 + i) + ";V;C;M" + QByteArray::number(i) + ";GW\r\n";
    const RegisterLookup r = lookupRegister(bytes, "12");
    QCOMPARE(r.status, RegisterLookup::Found);
    QCOMPARE(r.identifiers, (QStringList{"12100000", "12100001"}));
    QCOMPARE(r.entry.municipality, QStringLiteral("M99999")); // the last match, as always
    QCOMPARE(lookupRegister(bytes, "12100005").identifiers, QStringList{"12100005"});
}

// The register file as an unlucky folder may hold it: the lookup refuses at
// once with a message naming the file, and reads no more than it must.
void TestRegistry::hostileRegisterFiles_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("says");
    QTest::newRow("FIFO") << "fifo"
                          << "not a regular file";
    QTest::newRow("link") << "link"
                          << "symbolic link";
    QTest::newRow("byte-order mark") << "bom"
                                     << "UTF-8";
    QTest::newRow("UTF-8 line") << "utf8"
                                << "UTF-8";
    QTest::newRow("matching line over the limit") << "long"
                                                  << "longer than";
}

void TestRegistry::hostileRegisterFiles()
{
    QFETCH(QString, kind);
    QFETCH(QString, says);
    QTemporaryDir dir;
    const QString path = dir.filePath("GMINY.txt");
    const QByteArray line = QStringLiteral("0201011;dolnośląskie;bolesławiecki;Bolesławiec;GM\r\n").toUtf8();
    if (kind == "fifo") {
#if defined(Q_OS_WIN)
        QSKIP("a Windows folder holds no FIFO: named pipes live only under \\\\.\\pipe\\");
#else
        QCOMPARE(mkfifo(QFile::encodeName(path).constData(), 0644), 0);
#endif
    } else if (kind == "link") {
        if (!testfs::makeSymbolicLink(qEnvironmentVariable("IQX_SOURCE_DIR") + "/data/GMINY.txt", path))
            QSKIP("this system does not let the test make a symbolic link");
    } else {
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly));
        if (kind == "bom")
            f.write("\xEF\xBB\xBF");
        f.write(kind == "long" ? "0201011;" + QByteArray(kMaxRegisterLine + 10, 'x') + "\n" : line);
    }
    const RegisterLookup r = lookupRegisterFile(path, "0201011");
    QCOMPARE(r.status, RegisterLookup::FileError);
    QVERIFY2(r.error.contains("GMINY.txt") && r.error.contains(says), qPrintable(r.error));
}

void TestRegistry::shippedRegister_data()
{
    QTest::addColumn<QString>("identifier");
    QTest::addColumn<QStringList>("fields");
    QTest::addColumn<QString>("type");
    QTest::newRow("first line") << "0201011" << QStringList{"dolnośląskie", "bolesławiecki", "Bolesławiec", "GM"}
                                << "miejska";
    QTest::newRow("capital") << "1465011" << QStringList{"mazowieckie", "Warszawa", "Warszawa", "GM"} << "miejska";
    QTest::newRow("rural") << "0201022" << QStringList{"dolnośląskie", "bolesławiecki", "Bolesławiec", "GW"}
                           << "wiejska";
    QTest::newRow("last line") << "3263011" << QStringList{"zachodniopomorskie", "Świnoujście", "Świnoujście", "GM"}
                               << "miejska";
    QTest::newRow("urban-rural since 2025")
        << "0614053" << QStringList{"lubelskie", "puławski", "Końskowola", "MW"} << "miejsko-wiejska";
    QTest::newRow("created in 2025") << "1207132" << QStringList{"małopolskie", "limanowski", "Szczawa", "GW"}
                                     << "wiejska";
    QTest::newRow("renamed in 2026") << "2812052" << QStringList{"warmińsko-mazurskie", "nowomiejski", "Bratian", "GW"}
                                     << "wiejska";
}

void TestRegistry::shippedRegister()
{
    QFETCH(QString, identifier);
    QFETCH(QStringList, fields);
    QFETCH(QString, type);
    const QByteArray bytes = readShippedRegister();
    if (bytes.isEmpty())
        QSKIP("IQX_SOURCE_DIR/data/GMINY.txt is not available");
    QCOMPARE(bytes.count('\n'), 2479);
    const RegisterLookup r = lookupRegister(bytes, identifier);
    QCOMPARE(r.status, RegisterLookup::Found);
    QCOMPARE((QStringList{r.entry.voivodeship, r.entry.county, r.entry.municipality, r.entry.typeCode}), fields);
    QCOMPARE(translateType(r.entry.typeCode), type);
    QCOMPARE(lookupRegister(bytes, "9999999").status, RegisterLookup::NotFound);
    // The identifier of 2024, before the gmina became urban-rural.
    QCOMPARE(lookupRegister(bytes, "0614052").status, RegisterLookup::NotFound);
}

void TestRegistry::cp1250PolishLetters()
{
    const QString letters = QStringLiteral("ąćęłńóśźżĄĆĘŁŃÓŚŹŻ");
    const QByteArray expected("\xb9\xe6\xea\xb3\xf1\xf3\x9c\x9f\xbf\xa5\xc6\xca\xa3\xd1\xd3\x8c\x8f\xaf");
    QCOMPARE(cp1250::encode(letters), std::optional<QByteArray>(expected));
    QCOMPARE(cp1250::decode(expected), std::optional<QString>(letters));
    QVERIFY(cp1250::representable(letters + QStringLiteral(" zł €§")));

    // Every defined byte survives the round trip; the five undefined do not decode.
    const QList<int> undefined{0x81, 0x83, 0x88, 0x90, 0x98};
    for (int b = 0; b < 256; ++b) {
        const QByteArray byte(1, char(b));
        const auto text = cp1250::decode(byte);
        QCOMPARE(text.has_value(), !undefined.contains(b));
        if (text)
            QCOMPARE(cp1250::encode(*text), std::optional<QByteArray>(byte));
    }
}

void TestRegistry::cp1250AgainstIconv()
{
#if defined(__GLIBC__)
    // The program's own table against the system's converter: every byte
    // decodes to the same character or is refused by both, and every
    // character of the Basic Multilingual Plane encodes the same way.
    auto convert = [](const char *to, const char *from, QByteArray in) -> std::optional<QByteArray> {
        iconv_t cd = iconv_open(to, from);
        if (cd == reinterpret_cast<iconv_t>(-1))
            return std::nullopt;
        QByteArray out(16, '\0');
        char *src = in.data();
        char *dst = out.data();
        size_t srcLeft = size_t(in.size()), dstLeft = size_t(out.size());
        const bool ok = iconv(cd, &src, &srcLeft, &dst, &dstLeft) != size_t(-1) && srcLeft == 0;
        iconv_close(cd);
        if (!ok)
            return std::nullopt;
        out.resize(dst - out.data());
        return out;
    };
    for (int b = 0; b < 256; ++b) {
        const auto theirs = convert("UTF-16LE", "WINDOWS-1250", QByteArray(1, char(b)));
        const auto ours = cp1250::decode(QByteArray(1, char(b)));
        QVERIFY2(theirs.has_value() == ours.has_value(), qPrintable(QString::number(b, 16)));
        if (ours)
            QCOMPARE(QString::fromUtf16(reinterpret_cast<const char16_t *>(theirs->constData()), 1), *ours);
    }
    for (char32_t c = 1; c < 0x10000; ++c) {
        if (c >= 0xD800 && c < 0xE000)
            continue;
        const char16_t unit = char16_t(c);
        const auto theirs = convert("WINDOWS-1250", "UTF-16LE", QByteArray(reinterpret_cast<const char *>(&unit), 2));
        const auto ours = cp1250::encode(QString(QChar(unit)));
        QVERIFY2(theirs == ours, qPrintable(QString::number(uint(c), 16)));
    }
#else
    QSKIP("the system has no iconv to compare with");
#endif
}

void TestRegistry::cp1250Refusals()
{
    QVERIFY(!cp1250::encode(QStringLiteral("Ã¦ Cyrillic Ж")));
    QVERIFY(!cp1250::representable(QStringLiteral("ж")));
    QVERIFY(!cp1250::representable(QStringLiteral("\U0001F600")));
    QVERIFY(!cp1250::encode(QString(QChar(0xD800)))); // lone surrogate
    QVERIFY(!cp1250::decode(QByteArray("abc\x98")));
    QCOMPARE(cp1250::encode(QStringLiteral("plain; text")), std::optional<QByteArray>("plain; text"));
    QCOMPARE(cp1250::encode(QString()), std::optional<QByteArray>(QByteArray()));
}

QTEST_APPLESS_MAIN(TestRegistry)
#include "tst_registry.moc"
