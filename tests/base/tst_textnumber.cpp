#include "TextNumber.h"

#include <QTest>
#include <cmath>
#include <limits>

namespace {
constexpr double No = std::numeric_limits<double>::quiet_NaN(); // not a whole number text
constexpr double Huge = std::numeric_limits<double>::infinity();
} // namespace

// Each text read three ways: the leading number (the combo boxes), a ranking
// score text's value, and the whole text as one number (the answer box).
class TestTextNumber : public QObject
{
    Q_OBJECT
private slots:
    void readings_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("leading");
        QTest::addColumn<double>("score");
        QTest::addColumn<double>("numeric");
        QTest::newRow("blanks around") << "  42 " << 42.0 << 42.0 << 42.0;
        QTest::newRow("blanks inside") << " 1 2\t0 " << 1.0 << 120.0 << No;
        QTest::newRow("letters after") << "12abc" << 12.0 << 12.0 << No;
        QTest::newRow("second point ends it") << "1.2.3" << 1.2 << 1.2 << No;
        QTest::newRow("signs") << "-4" << -4.0 << -4.0 << -4.0;
        QTest::newRow("plus") << "+5" << 5.0 << 5.0 << 5.0;
        QTest::newRow("trailing point") << "7." << 7.0 << 7.0 << 7.0;
        QTest::newRow("point first") << ".5" << 0.5 << 0.5 << 0.5;
        QTest::newRow("signed exponent") << "25e-2" << 0.25 << 0.25 << 0.25;
        QTest::newRow("exponent without digits") << "2E" << 2.0 << 2.0 << No;
        QTest::newRow("letters only") << "abc" << 0.0 << 0.0 << No;
        QTest::newRow("sign alone") << "-" << 0.0 << 0.0 << No;
        QTest::newRow("hexadecimal") << "&H1F" << 0.0 << 31.0 << No;
        QTest::newRow("octal stops at 8") << "&o178" << 0.0 << 15.0 << No;
        QTest::newRow("hex stops at non-digit") << "&HFFZ" << 0.0 << 255.0 << No;
        QTest::newRow("400 digits are huge, not 0") << QString(400, u'9') << Huge << Huge << Huge;
        QTest::newRow("and keep their sign") << "-" + QString(400, u'9') << -Huge << -Huge << -Huge;
    }
    void readings()
    {
        QFETCH(QString, text);
        QFETCH(double, numeric);
        QTEST(TextNumber::leadingNumber(text), "leading");
        QTEST(TextNumber::scoreValue(text), "score");
        QCOMPARE(TextNumber::isNumeric(text), !std::isnan(numeric));
        QCOMPARE(TextNumber::parseNumeric(text).value_or(No), numeric);
    }

    void int32Range()
    {
        // The extremes, a half (to even), then what lies outside.
        QList<std::optional<std::int32_t>> got;
        for (double value : {2147483647.0, -2147483648.0, -2.5, 2147483648.0, -2147483649.0, std::nan(""), Huge})
            got << TextNumber::toInt32(value);
        QCOMPARE(got, (QList<std::optional<std::int32_t>>{2147483647, -2147483647 - 1, -2, {}, {}, {}, {}}));
    }
};

QTEST_GUILESS_MAIN(TestTextNumber)
#include "tst_textnumber.moc"
