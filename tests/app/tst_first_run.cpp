// A shop starting Vintrelo for the first time, or with its data folder gone.
#include "AppHarness.h"
#include "DataFixture.h"
#include "MessageScript.h"
#include "TestMain.h"
#include "store/BatchCounter.h"
#include "store/DataFolder.h"
#include "store/ReplacedFolder.h"
#include "store/StarterData.h"
#include "store/StoreError.h"

#include <QDir>
#include <QLabel>

namespace {

enum Answer
{
    CreateSuggested = 0,
    ChooseFolder = 1,
    ExitProgram = 2
};

QString suggestedFolder(const DataFixture& fx)
{
    return QDir(fx.base()).filePath(QStringLiteral("Documents/Vintrelo Data"));
}

} // namespace

class FirstRunTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void cleanup() { AppHarness::settle(); }
    void missingLocationFileSetsUpTheSuggestedFolder();
    void chosenFolderHoldingDataIsAdoptedUnchanged();
    void cancelledPickerAsksAgain();
    void decliningEndsCleanlyAndWritesNothing();
    void folderNamedButGoneIsOfferedTheSameWay();
    void emptyFirstLineIsExplained_data();
    void emptyFirstLineIsExplained();
    void locationFileGoesToConfigurationWhenTheProgramFolderIsReadOnly();
    void aFolderReplacedByARestoreOffersTheRestoredOne_data();
    void aFolderReplacedByARestoreOffersTheRestoredOne();
};

void FirstRunTest::missingLocationFileSetsUpTheSuggestedFolder()
{
    DataFixture fx(DataFixture::Layout::Bare);
    QFile::remove(QDir(fx.programDir()).filePath(QStringLiteral("VT.Loc")));
    MessageScript script;
    script.answer(CreateSuggested).answer(0);
    {
        AppHarness app(fx);
        app.start();

        QCOMPARE(script.shown().size(), 2);
        QVERIFY(script.texts().at(0).contains(QStringLiteral("VT.Loc")));
        QVERIFY(script.texts().at(0).contains(QDir::toNativeSeparators(suggestedFolder(fx))));
        QCOMPARE(app.visibleName(), QStringLiteral("Opening_Screen"));
        QCOMPARE(app.state().DataRoot, suggestedFolder(fx) + QLatin1Char('/'));
        QVERIFY(store::missingDataFolderParts(app.state().DataRoot).isEmpty());
        QCOMPARE(store::readBatchCounter(app.state().DataRoot), QStringLiteral("1"));
        QCOMPARE(fx.bytes(QStringLiteral("../program/VT.Loc")),
                 suggestedFolder(fx).toUtf8() + "\r\n");
        QVERIFY(script.unexpected().isEmpty());
        // The program ends before it is started again: one program at a time.
        QVERIFY(app.click(QStringLiteral("CommandButton1")));
        QVERIFY(app.ended());
    }

    // The next start finds it without asking.
    MessageScript quiet;
    AppHarness again(fx);
    again.start();
    QVERIFY(quiet.shown().isEmpty());
    QCOMPARE(again.state().DataRoot, suggestedFolder(fx) + QLatin1Char('/'));
}

void FirstRunTest::chosenFolderHoldingDataIsAdoptedUnchanged()
{
    DataFixture shop;                          // an existing data folder, say a backup
    DataFixture fx(DataFixture::Layout::Bare); // a new program folder without "VT.Loc"
    QFile::remove(QDir(fx.programDir()).filePath(QStringLiteral("VT.Loc")));
    shop.writeBatch(QStringLiteral("2026-000040"), sampleBatch(2));
    const auto before = shop.snapshot();

    MessageScript script;
    script.answer(ChooseFolder).pickFolder(shop.dataFolder()).answer(0);
    AppHarness app(fx);
    app.start();
    QCOMPARE(app.state().DataRoot, shop.dataRoot());
    QCOMPARE(shop.snapshot(), before);
    QVERIFY(!QDir(suggestedFolder(fx)).exists());
}

void FirstRunTest::cancelledPickerAsksAgain()
{
    DataFixture fx(DataFixture::Layout::Bare);
    QFile::remove(QDir(fx.programDir()).filePath(QStringLiteral("VT.Loc")));
    MessageScript script;
    script.answer(ChooseFolder).pickFolder(QString()).answer(ExitProgram);
    AppHarness app(fx);
    app.start();
    QCOMPARE(script.shown().size(), 2);
    QVERIFY(app.ended());
}

void FirstRunTest::decliningEndsCleanlyAndWritesNothing()
{
    DataFixture fx(DataFixture::Layout::Bare);
    QFile::remove(QDir(fx.programDir()).filePath(QStringLiteral("VT.Loc")));
    const auto before = fx.snapshot();
    MessageScript script;
    script.answer(ExitProgram);
    AppHarness app(fx);
    app.start();
    QVERIFY(app.ended());
    QCOMPARE(app.visibleWindowCount(), 0);
    QCOMPARE(fx.snapshot(), before);
    QVERIFY(!QFile::exists(QDir(fx.programDir()).filePath(QStringLiteral("VT.Loc"))));
    QVERIFY(!QDir(suggestedFolder(fx)).exists());
}

void FirstRunTest::folderNamedButGoneIsOfferedTheSameWay()
{
    DataFixture fx;
    const QString gone = QDir(fx.base()).filePath(QStringLiteral("USB stick/Wine"));
    fx.writeLines(QStringLiteral("../program/VT.Loc"), {gone});
    MessageScript script;
    script.answer(ExitProgram);
    AppHarness app(fx);
    app.start();
    QVERIFY(script.texts().at(0).contains(gone));
    QVERIFY(app.ended());
    // Declining leaves the location file for when the drive is back.
    QCOMPARE(fx.bytes(QStringLiteral("../program/VT.Loc")), gone.toUtf8() + "\r\n");
}

void FirstRunTest::emptyFirstLineIsExplained_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("said");
    QTest::addColumn<QString>("notSaid");
    QTest::newRow("no lines at all") << QByteArray() << "is empty"
                                     << "empty first line";
    QTest::newRow("one empty line") << QByteArray("\r\n") << "has an empty first line"
                                    << "is empty";
    QTest::newRow("folder on the second line")
        << QByteArray("\r\n/srv/wine\r\n") << "has an empty first line"
        << "is empty";
}

void FirstRunTest::emptyFirstLineIsExplained()
{
    QFETCH(QByteArray, content);
    QFETCH(QString, said);
    QFETCH(QString, notSaid);
    DataFixture fx;
    fx.writeBytes(QStringLiteral("../program/VT.Loc"), content);
    MessageScript script;
    script.answer(CreateSuggested).answer(0);
    AppHarness app(fx);
    app.start();
    const QString message = script.texts().at(0);
    QVERIFY2(message.contains(QStringLiteral("VT.Loc")), qPrintable(message));
    QVERIFY2(message.contains(said), qPrintable(message));
    QVERIFY2(!message.contains(notSaid), qPrintable(message));
    QCOMPARE(app.state().DataRoot, suggestedFolder(fx) + QLatin1Char('/'));
}

void FirstRunTest::locationFileGoesToConfigurationWhenTheProgramFolderIsReadOnly()
{
    DataFixture fx(DataFixture::Layout::Bare);
    QFile::remove(QDir(fx.programDir()).filePath(QStringLiteral("VT.Loc")));
    // Something in the way, as a folder the program may not write would be.
    QVERIFY(QDir(fx.programDir()).mkdir(QStringLiteral("VT.Loc.new")));
    MessageScript script;
    script.answer(CreateSuggested).answer(0);
    {
        AppHarness app(fx);
        app.start();
        QVERIFY(script.texts().at(1).contains(QDir::toNativeSeparators(fx.configDir())));
        app.click(QStringLiteral("CommandButton1"));
    }
    QCOMPARE(fx.bytes(QStringLiteral("../config/VT.Loc")), suggestedFolder(fx).toUtf8() + "\r\n");
    MessageScript quiet;
    AppHarness again(fx);
    again.start();
    QVERIFY(quiet.shown().isEmpty());
    QCOMPARE(again.visibleName(), QStringLiteral("Opening_Screen"));
}

void FirstRunTest::aFolderReplacedByARestoreOffersTheRestoredOne_data()
{
    QTest::addColumn<int>("answer"); // 0: move, 1: stay
    QTest::newRow("moves") << 0;
    QTest::newRow("stays, and saves nothing") << 1;
}

void FirstRunTest::aFolderReplacedByARestoreOffersTheRestoredOne()
{
    // Another PC restored a backup beside the shared folder and moved to it.
    QFETCH(int, answer);
    DataFixture fx;
    const QString restored = QDir(fx.base()).filePath(QStringLiteral("Vintrelo Data restored"));
    store::createDataFolder(restored);
    store::markFolderReplaced(fx.dataRoot(), restored);
    MessageScript script;
    script.answer(answer).answer(0);
    AppHarness app(fx);
    app.start();
    QVERIFY(script.texts().first().contains(QDir::toNativeSeparators(restored)));
    if (answer == 0) {
        QCOMPARE(QDir::cleanPath(app.state().DataRoot), restored);
        QCOMPARE(QDir::cleanPath(store::loadDataRoot({fx.programDir(), fx.configDir()}).dataRoot),
                 restored);
        return;
    }
    QCOMPARE(app.state().DataRoot, fx.dataRoot());
    QVERIFY_THROWS_EXCEPTION(store::StoreError, store::advanceBatchCounter(fx.dataRoot()));
    QCOMPARE(store::readBatchCounter(fx.dataRoot()), QStringLiteral("41"));
}

VINTRELO_TEST_MAIN(FirstRunTest)
#include "tst_first_run.moc"
