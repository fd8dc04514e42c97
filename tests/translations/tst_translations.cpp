// The French translation: complete for every text lupdate finds in the sources,
// and installed when, and only when, the system's language is French.
#include "TestMain.h"
#include "app/Translations.h"

#include <QDir>
#include <QFile>
#include <QLibraryInfo>
#include <QMap>
#include <QProcess>
#include <QRegularExpression>
#include <QTranslator>
#include <QXmlStreamReader>

namespace {

const QString kFrench = QStringLiteral(VINTRELO_SOURCE_DIR "/translations/vintrelo_fr.ts");

struct Message
{
    QString translation;
    QString type; // "unfinished", "vanished", "obsolete" or empty when finished
};

// The messages of a .ts file by context and source text.
QMap<QString, Message> readTs(const QString& path)
{
    QMap<QString, Message> messages;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return messages;
    QXmlStreamReader xml(&file);
    QString context;
    QString source;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (xml.name() == QLatin1String("name")) {
            context = xml.readElementText();
        } else if (xml.name() == QLatin1String("source")) {
            source = xml.readElementText();
        } else if (xml.name() == QLatin1String("translation")) {
            Message message;
            message.type = xml.attributes().value(QLatin1String("type")).toString();
            message.translation = xml.readElementText();
            messages.insert(context + QStringLiteral(" | ") + source, message);
        }
    }
    return messages;
}

QStringList placeholders(const QString& text)
{
    QStringList found;
    static const QRegularExpression placeholder(QStringLiteral("%\\d+"));
    for (const QRegularExpressionMatch& match : placeholder.globalMatch(text))
        found << match.captured();
    found.sort();
    found.removeDuplicates();
    return found;
}

bool hasAccelerator(QString text)
{
    return text.remove(QStringLiteral("&&")).contains(QLatin1Char('&'));
}

void removeTranslators()
{
    const QList<QTranslator*> translators = qApp->findChildren<QTranslator*>();
    for (QTranslator* translator : translators) {
        QCoreApplication::removeTranslator(translator);
        delete translator;
    }
}

} // namespace

class TranslationsTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void cleanup() { removeTranslators(); }
    void everySourceTextHasItsFrenchTranslation();
    void frenchIsInstalledForAFrenchSystemOnly_data();
    void frenchIsInstalledForAFrenchSystemOnly();
};

void TranslationsTest::everySourceTextHasItsFrenchTranslation()
{
    // lupdate over the sources, as the update_translations target runs it.
    QTemporaryDir dir;
    const QString probe = dir.filePath(QStringLiteral("probe.ts"));
    QProcess lupdate;
    lupdate.setProcessChannelMode(QProcess::MergedChannels);
    lupdate.start(QStringLiteral(VINTRELO_LUPDATE),
                  {QStringLiteral(VINTRELO_SOURCE_DIR "/src"), QStringLiteral("-ts"), probe,
                   QStringLiteral("-locations"), QStringLiteral("none"),
                   QStringLiteral("-no-obsolete")});
    QVERIFY(lupdate.waitForFinished(120000));
    QVERIFY2(lupdate.exitCode() == 0, lupdate.readAll().constData());
    const QMap<QString, Message> sources = readTs(probe);
    const QMap<QString, Message> french = readTs(kFrench);
    QVERIFY(sources.size() > 300);

    QStringList problems;
    for (auto it = sources.cbegin(); it != sources.cend(); ++it) {
        if (!french.contains(it.key()))
            problems << QStringLiteral("not in the French file: ") + it.key();
    }
    for (auto it = french.cbegin(); it != french.cend(); ++it) {
        const QString source = it.key().section(QStringLiteral(" | "), 1);
        const Message& message = it.value();
        if (!sources.contains(it.key()))
            problems << QStringLiteral("no longer in the sources: ") + it.key();
        else if (!message.type.isEmpty() || message.translation.isEmpty())
            problems << QStringLiteral("not translated: ") + it.key();
        else if (placeholders(source) != placeholders(message.translation))
            problems << QStringLiteral("other placeholders: ") + it.key();
        else if (hasAccelerator(source) != hasAccelerator(message.translation))
            problems << QStringLiteral("accelerator lost or added: ") + it.key();
    }
    QVERIFY2(problems.isEmpty(), qPrintable(QStringLiteral("%1 (run: cmake --build build --target "
                                                           "update_translations, then translate)\n")
                                                .arg(problems.size()) +
                                            problems.join(QLatin1Char('\n'))));
}

void TranslationsTest::frenchIsInstalledForAFrenchSystemOnly_data()
{
    QTest::addColumn<QString>("system");
    QTest::addColumn<bool>("french");
    QTest::newRow("Canadian French") << QStringLiteral("fr_CA") << true;
    QTest::newRow("French") << QStringLiteral("fr_FR") << true;
    QTest::newRow("Swiss French") << QStringLiteral("fr_CH") << true;
    QTest::newRow("Canadian English") << QStringLiteral("en_CA") << false;
    QTest::newRow("US English") << QStringLiteral("en_US") << false;
    QTest::newRow("German") << QStringLiteral("de_DE") << false;
}

void TranslationsTest::frenchIsInstalledForAFrenchSystemOnly()
{
    QFETCH(QString, system);
    QFETCH(bool, french);
    QCOMPARE(app::installTranslations(QLocale(system)), french);
    // A store sentence, a screen's caption, and Qt's own button.
    QCOMPARE(QCoreApplication::translate("Store", "Name"),
             french ? QStringLiteral("Nom") : QStringLiteral("Name"));
    QCOMPARE(QCoreApplication::translate("MainMenu", "Start a New Batch"),
             french ? QStringLiteral("Démarrer un nouveau lot")
                    : QStringLiteral("Start a New Batch"));
    const bool qtFrench = QFile::exists(QDir(QLibraryInfo::path(QLibraryInfo::TranslationsPath))
                                            .filePath(QStringLiteral("qtbase_fr.qm")));
    if (qtFrench) {
        QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"),
                 french ? QStringLiteral("Annuler") : QStringLiteral("Cancel"));
    }
}

VINTRELO_TEST_MAIN(TranslationsTest)
#include "tst_translations.moc"
