// The memo as a list of lines, and byte-exact lines through the memo.

#include <QPlainTextEdit>
#include <QtTest>

#include "app/LineText.h"
#include "app/MemoReport.h"
#include "TestPrinting.h"

using Lines = std::vector<std::string>;

class TextLinesTest : public QObject {
    Q_OBJECT
private slots:
    void bytesRoundTrip_data();
    void bytesRoundTrip();
    void validUtf8IsShownAsText();
    void memoBehavesAsLineList();
    void appendAfterTypedTextStartsNewLine();
    void loadedLinesComeBackUnchanged();
    void appendedLinesShowWhenEventsRun();
};

void TextLinesTest::bytesRoundTrip_data()
{
    QTest::addColumn<std::string>("bytes");
    QTest::newRow("ascii") << std::string("  #define INTRO              0");
    QTest::newRow("utf-8") << std::string("donn\xC3\xA9" "es \xE2\x82\xAC \xF0\x9F\x8E\xAE");
    QTest::newRow("latin-1 byte") << std::string("caf\xE9.bin");
    QTest::newRow("lone continuation") << std::string("a\x80z");
    QTest::newRow("overlong slash") << std::string("\xC0\xAF");
    QTest::newRow("encoded surrogate") << std::string("\xED\xB2\x80");
    QTest::newRow("beyond U+10FFFF") << std::string("\xF4\x90\x80\x80");
    QTest::newRow("cut at the end") << std::string("x\xE2\x82");
    QTest::newRow("every high byte") << [] {
        std::string s;
        for (int b = 0x80; b <= 0xFF; ++b) s += static_cast<char>(b);
        return s;
    }();
}

void TextLinesTest::bytesRoundTrip()
{
    QFETCH(std::string, bytes);
    QCOMPARE(packwell::app::toBytes(packwell::app::toDisplay(bytes)), bytes);

    QPlainTextEdit memo;
    packwell::app::MemoReport report(&memo);
    report.appendLine(bytes);
    QCOMPARE(report.lineCount(), size_t(1));
    QCOMPARE(report.line(0), bytes);
}

void TextLinesTest::validUtf8IsShownAsText()
{
    QCOMPARE(packwell::app::toDisplay("donn\xC3\xA9" "es"), QStringLiteral("donn\u00E9es"));
    QCOMPARE(packwell::app::toDisplay("\xF0\x9F\x8E\xAE"), QString::fromUtf8("\xF0\x9F\x8E\xAE"));
}

void TextLinesTest::memoBehavesAsLineList()
{
    QPlainTextEdit memo;
    packwell::app::MemoReport report(&memo);
    QCOMPARE(report.lineCount(), size_t(0));
    QCOMPARE(report.line(0), std::string());

    report.appendLine("");
    report.appendLine(" ");
    report.appendLine("last");
    QCOMPARE(report.lines(), (Lines{"", " ", "last"}));
    QCOMPARE(memo.toPlainText(), QStringLiteral("\n \nlast\n"));
    QCOMPARE(report.line(3), std::string());

    report.setLines({"a", "", ""});
    QCOMPARE(report.lines(), (Lines{"a", "", ""}));
    report.setLines({});
    QCOMPARE(report.lineCount(), size_t(0));

    report.appendLine("x");
    report.clear();
    QCOMPARE(report.lineCount(), size_t(0));
    QVERIFY(memo.toPlainText().isEmpty());
}

void TextLinesTest::appendAfterTypedTextStartsNewLine()
{
    QPlainTextEdit memo;
    packwell::app::MemoReport report(&memo);
    memo.setPlainText(QStringLiteral("typed\nby hand"));
    QCOMPARE(report.lines(), (Lines{"typed", "by hand"}));
    report.appendLine("#define LOGO");
    QCOMPARE(report.lines(), (Lines{"typed", "by hand", "#define LOGO"}));
}

void TextLinesTest::loadedLinesComeBackUnchanged()
{
    QPlainTextEdit memo;
    packwell::app::MemoReport report(&memo);
    const Lines lines{".GAMEPACK_FILE->bin /data/caf\xE9.bin", "\ttab", "", "\xEF\xBB\xBF" "bom", "end"};
    report.setLines(lines);
    QCOMPARE(report.lines(), lines);
}

void TextLinesTest::appendedLinesShowWhenEventsRun()
{
    QPlainTextEdit memo;
    packwell::app::MemoReport report(&memo);
    memo.setPlainText(QStringLiteral("typed"));
    report.appendLine("first");
    report.appendLine("second");
    QCoreApplication::processEvents();
    QCOMPARE(memo.toPlainText(), QStringLiteral("typed\nfirst\nsecond\n"));
    // Undo takes back the appended lines, not the typed text.
    memo.undo();
    QCOMPARE(memo.toPlainText(), QStringLiteral("typed"));

    {
        packwell::app::MemoReport gone(&memo);
        gone.appendLine("never shown");
    }
    QCoreApplication::processEvents();  // the dead report's flush does not run
    QCOMPARE(memo.toPlainText(), QStringLiteral("typed"));
}

QObject* makeTextLinesTest()
{
    return new TextLinesTest;
}

#include "TextLinesTest.moc"
