#include "TextNumber.h"

#include <QTest>
#include <cmath>
#include <limits>

class TestTextNumber : public QObject
{
    Q_OBJECT
private slots:
    void leadingNumber_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("value");
        QTest::newRow("list value") << "1.0" << 1.0;
        QTest::newRow("integer") << "15" << 15.0;
        QTest::newRow("leading blanks") << "   3" << 3.0;
        QTest::newRow("trailing letters") << "12abc" << 12.0;
        QTest::newRow("second point ends it") << "1.2.3" << 1.2;
        QTest::newRow("negative") << "-4" << -4.0;
        QTest::newRow("exponent") << "1E3" << 1000.0;
        QTest::newRow("exponent without digits") << "2E" << 2.0;
        QTest::newRow("signed exponent") << "25e-2" << 0.25;
        QTest::newRow("point first") << ".5" << 0.5;
        QTest::newRow("letters only") << "abc" << 0.0;
        QTest::newRow("empty") << "" << 0.0;
        QTest::newRow("sign alone") << "-" << 0.0;
        QTest::newRow("inner blank ends it") << "1 2" << 1.0;
        QTest::newRow("400 digits are huge, not 0") << QString(400, u'9') << std::numeric_limits<double>::infinity();
        QTest::newRow("and keep their sign") << "-" + QString(400, u'9') << -std::numeric_limits<double>::infinity();
    }
    void leadingNumber()
    {
        QFETCH(QString, text);
        QFETCH(double, value);
        QCOMPARE(TextNumber::leadingNumber(text), value);
    }

    void scoreValue_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("value");
        QTest::newRow("plain") << "150000" << 150000.0;
        QTest::newRow("letters after") << "120abc" << 120.0;
        QTest::newRow("blanks anywhere") << " 1 2\t0 " << 120.0;
        QTest::newRow("hexadecimal") << "&H1F" << 31.0;
        QTest::newRow("octal") << "&o17" << 15.0;
        QTest::newRow("hex stops at non-digit") << "&HFFZ" << 255.0;
        QTest::newRow("letters only") << "abc" << 0.0;
        QTest::newRow("empty") << "" << 0.0;
        QTest::newRow("decimal") << "99.5" << 99.5;
        QTest::newRow("leading zeros") << "000123" << 123.0;
    }
    void scoreValue()
    {
        QFETCH(QString, text);
        QFETCH(double, value);
        QCOMPARE(TextNumber::scoreValue(text), value);
    }

    void isNumeric_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("numeric");
        QTest::addColumn<double>("value");
        QTest::newRow("digits") << "1234" << true << 1234.0;
        QTest::newRow("blanks around") << "  42 " << true << 42.0;
        QTest::newRow("minus") << "-5" << true << -5.0;
        QTest::newRow("plus") << "+5" << true << 5.0;
        QTest::newRow("decimal") << "12.5" << true << 12.5;
        QTest::newRow("trailing point") << "7." << true << 7.0;
        QTest::newRow("exponent") << "1E3" << true << 1000.0;
        QTest::newRow("empty") << "" << false << 0.0;
        QTest::newRow("blank") << "   " << false << 0.0;
        QTest::newRow("point alone") << "." << false << 0.0;
        QTest::newRow("two points") << "1.2.3" << false << 0.0;
        QTest::newRow("inner blank") << "1 2" << false << 0.0;
        QTest::newRow("letters") << "12A" << false << 0.0;
        QTest::newRow("dangling exponent") << "1E" << false << 0.0;
        QTest::newRow("sign alone") << "-" << false << 0.0;
    }
    void isNumeric()
    {
        QFETCH(QString, text);
        QFETCH(bool, numeric);
        QFETCH(double, value);
        QCOMPARE(TextNumber::isNumeric(text), numeric);
        if (numeric)
            QCOMPARE(*TextNumber::parseNumeric(text), value);
    }

    void roundingSendsHalvesToEven_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<double>("rounded");
        QTest::newRow("2.5") << 2.5 << 2.0;
        QTest::newRow("3.5") << 3.5 << 4.0;
        QTest::newRow("12.5") << 12.5 << 12.0;
        QTest::newRow("13.5") << 13.5 << 14.0;
        QTest::newRow("-2.5") << -2.5 << -2.0;
        QTest::newRow("2.51") << 2.51 << 3.0;
        QTest::newRow("0.4") << 0.4 << 0.0;
    }
    void roundingSendsHalvesToEven()
    {
        QFETCH(double, value);
        QFETCH(double, rounded);
        QCOMPARE(TextNumber::roundHalfEven(value), rounded);
    }

    void int32Range()
    {
        QCOMPARE(TextNumber::toInt32(2147483647.0), std::optional<std::int32_t>(2147483647));
        QCOMPARE(TextNumber::toInt32(-2147483648.0), std::optional<std::int32_t>(-2147483647 - 1));
        QVERIFY(!TextNumber::toInt32(2147483648.0));
        QVERIFY(!TextNumber::toInt32(1e20));
        QVERIFY(!TextNumber::toInt32(std::nan("")));
        QVERIFY(!TextNumber::toInt32(INFINITY));
        QVERIFY(!TextNumber::parseNumeric(u"1E999").has_value() || !TextNumber::toInt32(*TextNumber::parseNumeric(u"1E999")));
    }
};

QTEST_GUILESS_MAIN(TestTextNumber)
#include "tst_textnumber.moc"
