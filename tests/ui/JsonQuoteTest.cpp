// The runner's JSON strings: any text comes out as one valid JSON string literal.
#include "Json.h"

#include <QTest>

#include <string>

class JsonQuoteTest : public QObject {
    Q_OBJECT
private slots:
    void quote_data();
    void quote();
};

void JsonQuoteTest::quote_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QByteArray>("literal");
    QTest::newRow("plain") << QByteArray("12,5") << QByteArray(R"("12,5")");
    QTest::newRow("empty") << QByteArray("") << QByteArray(R"("")");
    QTest::newRow("quote and backslash") << QByteArray(R"(a"b\c)") << QByteArray(R"("a\"b\\c")");
    QTest::newRow("named controls") << QByteArray("\n\r\t\b\f") << QByteArray(R"("\n\r\t\b\f")");
    QTest::newRow("other controls") << QByteArray("\x01\x1f", 2) << QByteArray(R"("\u0001\u001f")");
    QTest::newRow("NUL") << QByteArray("a\0b", 3) << QByteArray(R"("a\u0000b")");
    QTest::newRow("DEL and slash kept") << QByteArray("\x7f/") << QByteArray("\"\x7f/\"");
    QTest::newRow("Cyrillic kept") << QByteArray("Пусто") << QByteArray("\"Пусто\"");
    QTest::newRow("four-byte kept") << QByteArray("😀") << QByteArray("\"😀\"");
    QTest::newRow("stray continuation byte") << QByteArray("a\x80z") << QByteArray(R"("a\ufffdz")");
    QTest::newRow("cut sequence") << QByteArray("\xd0") << QByteArray(R"("\ufffd")");
    QTest::newRow("overlong form") << QByteArray("\xc0\xaf") << QByteArray(R"("\ufffd\ufffd")");
    QTest::newRow("surrogate") << QByteArray("\xed\xa0\x80") << QByteArray(R"("\ufffd\ufffd\ufffd")");
}

void JsonQuoteTest::quote()
{
    QFETCH(QByteArray, text);
    QFETCH(QByteArray, literal);
    QCOMPARE(QByteArray::fromStdString(json::Quote(text.toStdString())), literal);
}

QTEST_APPLESS_MAIN(JsonQuoteTest)
#include "JsonQuoteTest.moc"
