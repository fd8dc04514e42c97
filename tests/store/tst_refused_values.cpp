// What no writer puts into a file, whichever screen hands it over: a value that
// would split into two lines, and a date that would not read back as the same
// day. Each is refused with a sentence naming the file and the field, and the
// data folder is left exactly as it was.
#include "DataFixture.h"
#include "TestMain.h"
#include "store/ActionChanges.h"
#include "store/BatchRewrite.h"
#include "store/Clock.h"
#include "store/DataFolder.h"
#include "store/LongDate.h"
#include "store/RecipeFile.h"
#include "store/StoreError.h"
#include "store/TextLines.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <functional>

using namespace store;

namespace {

const QString kId = QStringLiteral("2026-000041");
const QString kNewId = QStringLiteral("2026-000042");
const QString kActiveFile = QStringLiteral("Active Batches/2026-000041.txt");

// One writer, handed one value by whatever screen calls it.
using Write = std::function<void(const DataFixture& fx, const QString& value)>;

OpenedAction openedAction(const DataFixture& fx, int record)
{
    const BatchFile batch = readBatchFile(fx.dataRoot(), BatchFolder::Active, kId);
    return {kId, record, batch.records.at(record - 1).DueDate, batch.records.at(record - 1).Action};
}

QString today()
{
    return formatLongDate(Clock::today());
}

// Writers of any single-line value, and the field each message must name.
struct ValueWriter
{
    const char* name;
    QString named;
    Write write;
};

QList<ValueWriter> valueWriters()
{
    return {
        {"new batch, name", QStringLiteral("the \"Name\""),
         [](const DataFixture& fx, const QString& value) {
             BatchFile batch = sampleBatch(2, value);
             writeBatchFile(fx.dataRoot(), kNewId, batch);
         }},
        {"new batch, action", QStringLiteral("the \"Action\" of action 2"),
         [](const DataFixture& fx, const QString& value) {
             BatchFile batch = sampleBatch(2);
             batch.records[1].Action = value;
             writeBatchFile(fx.dataRoot(), kNewId, batch);
         }},
        {"completing, notes", QStringLiteral("the \"Notes\" of action 2"),
         [](const DataFixture& fx, const QString& value) {
             completeAction(fx.dataRoot(), openedAction(fx, 2), QStringLiteral("5 g"),
                            QStringLiteral("1.090"), value, today());
         }},
        {"note, measurement", QStringLiteral("the \"Measurement\" of action 2"),
         [](const DataFixture& fx, const QString& value) {
             insertManualAction(
                 fx.dataRoot(), kId, 2, QStringLiteral("Step 2"),
                 manualActionRecord(today(), QStringLiteral("Noted"), QString(), value, QString()));
         }},
        {"editor save, amount", QStringLiteral("the \"Amount\" of action 3"),
         [](const DataFixture& fx, const QString& value) {
             rewriteBatchFile(fx.dataRoot(), kId,
                              [&](BatchFile& batch) { batch.records[2].Amount = value; });
         }},
        {"new recipe, description", QStringLiteral("the description"),
         [](const DataFixture& fx, const QString& value) {
             writeRecipeFile(fx.dataRoot(), QStringLiteral("0004"), value,
                             {{QStringLiteral("1"), QStringLiteral("Stir")}}, RecipeWrite::Create);
         }},
        {"changed recipe, action", QStringLiteral("step 2"),
         [](const DataFixture& fx, const QString& value) {
             writeRecipeFile(
                 fx.dataRoot(), QStringLiteral("0003"), QStringLiteral("Red kit"),
                 {{QStringLiteral("1"), QStringLiteral("Stir")}, {QStringLiteral("14"), value}},
                 RecipeWrite::Replace);
         }},
        {"location file", QStringLiteral("the data folder's path"),
         [](const DataFixture& fx, const QString& value) {
             writeLocationFile({fx.programDir(), fx.configDir()}, QDir(fx.base()).filePath(value));
         }},
    };
}

// A shop's folder with a batch of three open actions and one recipe.
void fillShop(const DataFixture& fx)
{
    fx.writeBatch(kId, sampleBatch(3));
    fx.writeRecipe(QStringLiteral("0003"), QStringLiteral("Red kit"),
                   {{QStringLiteral("1"), QStringLiteral("Stir")}});
}

// Everything a writer could touch: the data folder and both places of "VT.Loc".
QMap<QString, QByteArray> everything(const DataFixture& fx)
{
    QMap<QString, QByteArray> files = fx.snapshot();
    for (const QString& folder : {fx.programDir(), fx.configDir()}) {
        for (const QString& name : QDir(folder).entryList(QDir::Files | QDir::Hidden)) {
            QFile file(QDir(folder).filePath(name));
            file.open(QIODevice::ReadOnly);
            files.insert(file.fileName(), file.readAll());
        }
    }
    return files;
}

} // namespace

class RefusedValuesTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init() { Clock::setFixedToday(QDate(2026, 12, 7)); }
    void cleanup() { Clock::setFixedToday(QDate()); }
    void lineBreaksAreRefusedByEveryWriter_data();
    void lineBreaksAreRefusedByEveryWriter();
    void datesThatWouldNotReadBackAreRefused_data();
    void datesThatWouldNotReadBackAreRefused();
    void valuesAlreadyInTheFileAreWrittenBackUnchanged();
};

void RefusedValuesTest::lineBreaksAreRefusedByEveryWriter_data()
{
    QTest::addColumn<int>("writer");
    QTest::addColumn<QString>("value");
    const QPair<const char*, char16_t> breaks[] = {{"LF", u'\n'},
                                                   {"CR", u'\r'},
                                                   {"vertical tab", u'\v'},
                                                   {"form feed", u'\f'},
                                                   {"NEL", u'\u0085'},
                                                   {"line separator", u'\u2028'},
                                                   {"paragraph separator", u'\u2029'}};
    const QList<ValueWriter> writers = valueWriters();
    for (int w = 0; w < writers.size(); ++w) {
        for (const auto& lineBreak : breaks) {
            QTest::newRow(qPrintable(QStringLiteral("%1, %2").arg(QLatin1String(writers.at(w).name),
                                                                  QLatin1String(lineBreak.first))))
                << w << QStringLiteral("Ann") + QChar(lineBreak.second) + QStringLiteral("Smith");
        }
        QTest::newRow(
            qPrintable(QStringLiteral("%1, CR LF").arg(QLatin1String(writers.at(w).name))))
            << w << QStringLiteral("Ann\r\nSmith");
    }
}

void RefusedValuesTest::lineBreaksAreRefusedByEveryWriter()
{
    QFETCH(int, writer);
    QFETCH(QString, value);
    const ValueWriter write = valueWriters().at(writer); // a copy: the list is a temporary
    DataFixture fx;
    fillShop(fx);
    const auto before = everything(fx);

    QString message;
    try {
        write.write(fx, value);
    } catch (const StoreError& error) {
        message = error.message();
    }
    QVERIFY2(message.contains(write.named), qPrintable(message));
    QVERIFY2(message.contains(QStringLiteral("line break")), qPrintable(message));
    QCOMPARE(everything(fx), before); // no scratch file, no new file, nothing changed

    // The same value on one line is written.
    value.replace(QRegularExpression(QStringLiteral("\\R")), QStringLiteral(" "));
    write.write(fx, value);
    QVERIFY(everything(fx) != before);
}

void RefusedValuesTest::datesThatWouldNotReadBackAreRefused_data()
{
    QTest::addColumn<QString>("writer");
    QTest::addColumn<QString>("date");
    const QString texts[] = {formatLongDate(lastStorableDate().addDays(1)), // past the calendar
                             formatLongDate(QDate(2026, 12, 8).addDays(-800000)), // before it
                             QStringLiteral("Tuesday, December 7, 2026"),         // a Monday
                             QStringLiteral("12/25"), // another day next year
                             QStringLiteral("next week")};
    for (const char* writer :
         {"new batch, start date", "new batch, due date", "completing, completion date",
          "note, its date", "editor save, due date"}) {
        for (const QString& text : texts)
            QTest::newRow(qPrintable(QStringLiteral("%1, %2").arg(QLatin1String(writer), text)))
                << QString::fromLatin1(writer) << text;
    }
}

void RefusedValuesTest::datesThatWouldNotReadBackAreRefused()
{
    QFETCH(QString, writer);
    QFETCH(QString, date);
    DataFixture fx;
    fillShop(fx);
    const auto before = everything(fx);

    QString message;
    try {
        if (writer.startsWith(QLatin1String("new batch"))) {
            BatchFile batch = sampleBatch(2);
            if (writer.endsWith(QLatin1String("start date")))
                batch.header.setField(BatchHeader::StartDate, date);
            else
                batch.records[1].DueDate = date;
            writeBatchFile(fx.dataRoot(), kNewId, batch);
        } else if (writer.startsWith(QLatin1String("completing"))) {
            completeAction(fx.dataRoot(), openedAction(fx, 1), QString(), QString(), QString(),
                           date);
        } else if (writer.startsWith(QLatin1String("note"))) {
            insertManualAction(
                fx.dataRoot(), kId, 2, QStringLiteral("Step 2"),
                manualActionRecord(date, QStringLiteral("Noted"), QString(), QString(), QString()));
        } else {
            rewriteBatchFile(fx.dataRoot(), kId,
                             [&](BatchFile& batch) { batch.records[2].DueDate = date; });
        }
    } catch (const StoreError& error) {
        message = error.message();
    }
    const QString batch = writer.startsWith(QLatin1String("new batch")) ? kNewId : kId;
    QVERIFY2(message.contains(batch), qPrintable(message));
    QVERIFY2(message.contains(QLatin1Char('"') + date + QLatin1Char('"')), qPrintable(message));
    QCOMPARE(everything(fx), before);
}

// A value a hand edit left in the file is not judged again when the file is
// rewritten for another reason: refusing it would lock the batch.
void RefusedValuesTest::valuesAlreadyInTheFileAreWrittenBackUnchanged()
{
    DataFixture fx;
    BatchFile batch = sampleBatch(3);
    batch.header.setField(BatchHeader::Address, QStringLiteral("12 Vine St\vUnit 4"));
    batch.records[0].Notes = QStringLiteral("racked\rtwice");
    batch.records[2].DueDate = QStringLiteral("when the fermentation stops");
    fx.writeBatch(kId, batch);

    completeAction(fx.dataRoot(), openedAction(fx, 2), QStringLiteral("5 g"), QString(), QString(),
                   today());
    batch.records[1].Amount = QStringLiteral("5 g");
    batch.records[1].DateCompleted = QStringLiteral("Monday, December 7, 2026");
    QCOMPARE(fx.bytes(kActiveFile), encodeLines(batchToLines(batch)));

    // A new value with the same kind of character is still refused.
    QVERIFY_THROWS_EXCEPTION(StoreError, rewriteBatchFile(fx.dataRoot(), kId, [](BatchFile& b) {
                                 b.records[0].Notes = QStringLiteral("racked\rthree times");
                             }));
    QCOMPARE(fx.bytes(kActiveFile), encodeLines(batchToLines(batch)));
}

VINTRELO_TEST_MAIN(RefusedValuesTest)
#include "tst_refused_values.moc"
