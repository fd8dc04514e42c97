// The Debian package a shop installs: built with cpack from this build tree,
// unpacked into a scratch root with dpkg -x, and the unpacked program started
// on a shop's data folder.
#include "DataFixture.h"
#include "TestMain.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>

namespace {

struct Run
{
    bool started = false;
    bool finished = false; // by itself, before it was stopped
    QString output;        // stdout and stderr together
    QString error;         // why it could not start or did not finish
};

Run runTool(const QString& program, const QStringList& arguments,
            const QString& workingDir = QString(), int timeoutMs = 120000)
{
    Run run;
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    if (!workingDir.isEmpty())
        process.setWorkingDirectory(workingDir);
    process.start(program, arguments);
    run.started = process.waitForStarted(10000);
    run.finished = run.started && process.waitForFinished(timeoutMs) &&
                   process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
    if (!run.finished)
        run.error = process.errorString();
    run.output = QString::fromLocal8Bit(process.readAll());
    return run;
}

QString tool(const char* name)
{
    return QStandardPaths::findExecutable(QString::fromLatin1(name));
}

// Every file under `folder`, by relative path, with its bytes.
QMap<QString, QByteArray> filesUnder(const QString& folder)
{
    QMap<QString, QByteArray> files;
    QDirIterator it(folder, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        QFile file(path);
        if (file.open(QIODevice::ReadOnly))
            files.insert(QDir(folder).relativeFilePath(path), file.readAll());
    }
    return files;
}

QStringList foldersUnder(const QString& folder)
{
    QStringList folders;
    QDirIterator it(folder, QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden,
                    QDirIterator::Subdirectories);
    while (it.hasNext())
        folders << QDir(folder).relativeFilePath(it.next());
    folders.sort();
    return folders;
}

// The package names of a Depends field, without versions or alternatives.
QStringList dependedPackages(const QString& depends)
{
    QStringList names;
    for (const QString& clause : depends.split(QLatin1Char(','), Qt::SkipEmptyParts)) {
        for (const QString& alternative : clause.split(QLatin1Char('|'))) {
            const QString name = alternative.trimmed().section(QLatin1Char(' '), 0, 0);
            names << name.section(QLatin1Char(':'), 0, 0);
        }
    }
    return names;
}

// What the unpacked program did in a few seconds on the offscreen platform.
struct Session
{
    bool started = false;
    bool stillRunning = false;
    QStringList records; // one per message the program logged
};

// Qt writes every message with this marker first, so that a message of several
// lines stays one record.
const QString kMarker = QStringLiteral("@@vintrelo@@");

Session startInstalled(const QString& program, const QString& home)
{
    QDir(home).mkpath(QStringLiteral("runtime"));
    const QString runtime = QDir(home).filePath(QStringLiteral("runtime"));
    QFile::setPermissions(runtime, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);

    // A clean environment, as a shop's desktop starts it: no build tree on any
    // path, a home of its own.
    QProcessEnvironment environment;
    environment.insert(QStringLiteral("PATH"), QStringLiteral("/usr/bin:/bin"));
    environment.insert(QStringLiteral("HOME"), home);
    environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime);
    environment.insert(QStringLiteral("LC_ALL"), QStringLiteral("C.UTF-8"));
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    // The accessibility cache logs each widget as it appears, with its class,
    // its title and whether it is visible: the only way to see from outside
    // which window a program without a display put up.
    environment.insert(QStringLiteral("QT_LOGGING_RULES"),
                       QStringLiteral("qt.accessibility.cache.debug=true"));
    environment.insert(QStringLiteral("QT_MESSAGE_PATTERN"),
                       kMarker + QStringLiteral("%{category}|%{message}"));
    const QProcessEnvironment outer = QProcessEnvironment::systemEnvironment();
    for (const char* sanitizer : {"ASAN_OPTIONS", "UBSAN_OPTIONS", "LSAN_OPTIONS"}) {
        const QString name = QString::fromLatin1(sanitizer);
        if (outer.contains(name))
            environment.insert(name, outer.value(name));
    }

    Session session;
    QProcess process;
    process.setProcessEnvironment(environment);
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.setWorkingDirectory(home);
    process.start(program, {});
    session.started = process.waitForStarted(10000);
    if (!session.started)
        return session;
    // It has no command line and waits for the user; ending by itself is a fault.
    session.stillRunning = !process.waitForFinished(4000);
    if (session.stillRunning) {
        process.terminate();
        if (!process.waitForFinished(10000)) {
            process.kill();
            process.waitForFinished(10000);
        }
    }
    const QString output = QString::fromLocal8Bit(process.readAll());
    for (const QString& record : output.split(kMarker, Qt::SkipEmptyParts)) {
        if (!record.trimmed().isEmpty())
            session.records << record.trimmed();
    }
    return session;
}

bool isWidgetRecord(const QString& record)
{
    return record.startsWith(QStringLiteral("qt.accessibility.cache|"));
}

// The offscreen platform says so when asked to raise or size a window; a
// desktop would not.
bool isHeadlessNotice(const QString& record)
{
    return record.startsWith(QStringLiteral("default|This plugin does not support "));
}

// Anything the program printed that is neither a widget appearing nor a notice
// of the offscreen platform: warnings, errors, a crash report.
QStringList complaints(const Session& session)
{
    QStringList found;
    for (const QString& record : session.records) {
        if (!isWidgetRecord(record) && !isHeadlessNotice(record))
            found << record;
    }
    return found;
}

// The widget records of windows (and message boxes) that were shown.
QStringList shownWindows(const Session& session)
{
    QStringList shown;
    for (const QString& record : session.records) {
        if (!isWidgetRecord(record) || record.contains(QStringLiteral("invisible")))
            continue;
        if (record.contains(QStringLiteral("obj=app::")) ||
            record.contains(QStringLiteral("obj=screens::")) ||
            record.contains(QStringLiteral("obj=QMessageBox")))
            shown << record;
    }
    return shown;
}

} // namespace

class PackageTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void controlFileNamesTheShopsRuntime();
    void unpackedTreeHoldsProgramIconsMenuEntryAndStarterData();
    void menuEntryValidatesAndStartsTheInstalledProgram();
    void installedProgramOpensOnAShopsDataFolderAndWritesNothing();
    void installedProgramSaysWhatADamagedDataFolderLacks();

private:
    bool writeLocationFile(const QString& dataFolder) const;
    QString installed(const QString& relative) const { return m_root.filePath(relative); }

    QTemporaryDir m_output;
    QTemporaryDir m_root;
    QString m_package;
};

void PackageTest::initTestCase()
{
    // A machine without the packaging tools cannot make the package: that is
    // a failure of the build machine, never a reason to skip.
    const QString cpack = QStringLiteral(VINTRELO_CPACK_COMMAND);
    QVERIFY2(QFileInfo(cpack).isExecutable(), qPrintable(cpack + QStringLiteral(" is missing")));
    QVERIFY2(!tool("dpkg-deb").isEmpty(), "dpkg-deb is missing: run scripts/install-deps");
    QVERIFY2(!tool("dpkg").isEmpty(), "dpkg is missing");
    QVERIFY2(QFileInfo(QStringLiteral(VINTRELO_PROGRAM)).isExecutable(),
             "the program is not built");
    QVERIFY(m_output.isValid());
    QVERIFY(m_root.isValid());

    const Run build =
        runTool(cpack,
                {QStringLiteral("-G"), QStringLiteral("DEB"), QStringLiteral("--config"),
                 QStringLiteral(VINTRELO_CPACK_CONFIG), QStringLiteral("-B"), m_output.path()},
                QStringLiteral(VINTRELO_BUILD_DIR));
    QVERIFY2(build.finished, qPrintable(build.error + QLatin1Char('\n') + build.output));

    const QStringList packages =
        QDir(m_output.path()).entryList({QStringLiteral("*.deb")}, QDir::Files);
    QCOMPARE(packages.size(), 1);
    m_package = QDir(m_output.path()).filePath(packages.first());

    const Run unpack = runTool(tool("dpkg"), {QStringLiteral("-x"), m_package, m_root.path()});
    QVERIFY2(unpack.finished, qPrintable(unpack.error + QLatin1Char('\n') + unpack.output));
}

void PackageTest::controlFileNamesTheShopsRuntime()
{
    const auto field = [this](const char* name) {
        const Run run = runTool(tool("dpkg-deb"),
                                {QStringLiteral("--field"), m_package, QString::fromLatin1(name)});
        return run.finished ? run.output.trimmed() : QStringLiteral("<unreadable>");
    };
    QCOMPARE(field("Package"), QStringLiteral("vintrelo"));
    QCOMPARE(field("Version"), QStringLiteral("1.02"));
    QCOMPARE(field("Maintainer"), QStringLiteral("Vintrelo developers"));
    QCOMPARE(field("Section"), QStringLiteral("misc"));
    QVERIFY(field("Description").startsWith(QStringLiteral("Winemaking batch tracker")));

    const Run arch = runTool(tool("dpkg"), {QStringLiteral("--print-architecture")});
    QVERIFY(arch.finished);
    QCOMPARE(field("Architecture"), arch.output.trimmed());
    QCOMPARE(QFileInfo(m_package).fileName(),
             QStringLiteral("vintrelo_1.02_%1.deb").arg(arch.output.trimmed()));

    // The libraries it links, the platform plugins Qt loads at run time, Qt's
    // own translations, and the fonts that stand in for Georgia and Arial.
    QStringList depends = dependedPackages(field("Depends"));
    for (const char* needed : {"libqt6widgets6", "libqt6printsupport6", "libqt6gui6", "libqt6core6",
                               "qt6-qpa-plugins", "qt6-translations-l10n", "fonts-liberation",
                               "fonts-dejavu-core", "libzip4", "libqrencode4"}) {
        QVERIFY2(depends.contains(QString::fromLatin1(needed)),
                 qPrintable(QStringLiteral("Depends lacks %1: %2")
                                .arg(QString::fromLatin1(needed), depends.join(QLatin1Char(' ')))));
    }
    QCOMPARE(depends.removeDuplicates(), 0);
}

void PackageTest::unpackedTreeHoldsProgramIconsMenuEntryAndStarterData()
{
    const QFileInfo program(installed(QStringLiteral("usr/bin/vintrelo")));
    QVERIFY(program.isFile());
    QVERIFY(program.isExecutable());
    // No test or benchmark program rides along.
    QCOMPARE(QDir(installed(QStringLiteral("usr/bin"))).entryList(QDir::Files),
             QStringList{QStringLiteral("vintrelo")});
    QVERIFY(
        QFileInfo(installed(QStringLiteral("usr/share/applications/vintrelo.desktop"))).isFile());
    for (const char* icon : {"usr/share/icons/hicolor/32x32/apps/vintrelo.png",
                             "usr/share/icons/hicolor/256x256/apps/vintrelo.png",
                             "usr/share/icons/hicolor/scalable/apps/vintrelo.svg"}) {
        const QFileInfo file(installed(QString::fromLatin1(icon)));
        QVERIFY2(file.isFile() && file.size() > 0, icon);
    }

    // The starter files are shipped byte for byte, and nothing else beside them.
    const QMap<QString, QByteArray> source = filesUnder(QStringLiteral(VINTRELO_STARTER_DIR));
    const QMap<QString, QByteArray> shipped =
        filesUnder(installed(QStringLiteral("usr/share/vintrelo/starter")));
    QVERIFY(source.contains(QStringLiteral("Misc/Varieties.txt")));
    QVERIFY(source.contains(QStringLiteral("Recipes/0001.txt")));
    QCOMPARE(shipped.keys(), source.keys());
    for (auto it = source.cbegin(); it != source.cend(); ++it)
        QVERIFY2(shipped.value(it.key()) == it.value(), qPrintable(it.key()));

    // Nothing lands outside /usr: the package never puts files into /etc or a home.
    QCOMPARE(QDir(m_root.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
             QStringList{QStringLiteral("usr")});
}

void PackageTest::menuEntryValidatesAndStartsTheInstalledProgram()
{
    const QString entry = installed(QStringLiteral("usr/share/applications/vintrelo.desktop"));
    QFile file(entry);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(file.readAll());
    const auto key = [&text](const char* name) {
        const QRegularExpression line(QStringLiteral("^%1=(.*)$").arg(QString::fromLatin1(name)),
                                      QRegularExpression::MultilineOption);
        return line.match(text).captured(1).trimmed();
    };
    // The menu starts the program by the name the package installs it under,
    // with the icon the package ships.
    QCOMPARE(key("Exec").section(QLatin1Char(' '), 0, 0), QStringLiteral("vintrelo"));
    QCOMPARE(key("Icon"), QStringLiteral("vintrelo"));
    QCOMPARE(key("Name"), QStringLiteral("Vintrelo"));

    const QString validate = tool("desktop-file-validate");
    if (validate.isEmpty())
        QSKIP("desktop-file-validate is not installed");
    const Run run = runTool(validate, {entry});
    QVERIFY2(run.finished, qPrintable(run.output));
    QVERIFY2(run.output.trimmed().isEmpty(), qPrintable(run.output));
}

bool PackageTest::writeLocationFile(const QString& dataFolder) const
{
    // Beside the installed program, where it looks first.
    QFile location(installed(QStringLiteral("usr/bin/VT.Loc")));
    return location.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
           location.write(dataFolder.toUtf8() + "\r\n") == dataFolder.toUtf8().size() + 2;
}

void PackageTest::installedProgramOpensOnAShopsDataFolderAndWritesNothing()
{
    DataFixture fx;
    fx.writeRecipe(QStringLiteral("0001"), QStringLiteral("Red wine kit, 6 weeks"),
                   {{QStringLiteral("0"), QStringLiteral("Add yeast and stir")},
                    {QStringLiteral("14"), QStringLiteral("Rack into a clean carboy")}});
    fx.writeBatch(QStringLiteral("2026-000040"), sampleBatch(12));
    QVERIFY(writeLocationFile(fx.dataFolder()));
    const QMap<QString, QByteArray> before = fx.snapshot();
    const QStringList foldersBefore = foldersUnder(fx.dataFolder());
    QTemporaryDir home;

    const Session session =
        startInstalled(installed(QStringLiteral("usr/bin/vintrelo")), home.path());

    QVERIFY(session.started);
    QVERIFY2(session.stillRunning, qPrintable(session.records.join(QLatin1Char('\n'))));
    QVERIFY2(complaints(session).isEmpty(),
             qPrintable(complaints(session).join(QLatin1Char('\n'))));
    // Only the opening screen came up: no message box, no first-run offer.
    const QStringList shown = shownWindows(session);
    QCOMPARE(shown.size(), 1);
    QVERIFY2(shown.first().contains(QStringLiteral("obj=app::Opening_Screen(")),
             qPrintable(shown.first()));

    QCOMPARE(fx.snapshot(), before);
    QCOMPARE(foldersUnder(fx.dataFolder()), foldersBefore);
    QCOMPARE(QFile(installed(QStringLiteral("usr/bin/VT.Loc"))).size(),
             qint64(fx.dataFolder().toUtf8().size() + 2));
    // The location file beside the program was used: none was written for the user.
    QVERIFY(!filesUnder(home.path())
                 .keys()
                 .join(QLatin1Char('\n'))
                 .contains(QStringLiteral("VT.Loc"), Qt::CaseInsensitive));
}

void PackageTest::installedProgramSaysWhatADamagedDataFolderLacks()
{
    DataFixture fx;
    QVERIFY(QFile::remove(fx.path(QStringLiteral("Misc/Varieties.txt"))));
    QVERIFY(writeLocationFile(fx.dataFolder()));
    const QMap<QString, QByteArray> before = fx.snapshot();
    QTemporaryDir home;

    const Session session =
        startInstalled(installed(QStringLiteral("usr/bin/vintrelo")), home.path());

    QVERIFY(session.started);
    QVERIFY2(session.stillRunning, qPrintable(session.records.join(QLatin1Char('\n'))));
    QVERIFY2(complaints(session).isEmpty(),
             qPrintable(complaints(session).join(QLatin1Char('\n'))));
    // The warning names the folder and the missing list, and waits for the user
    // over the opening screen, not alone on the desktop.
    const QStringList shown = shownWindows(session);
    QCOMPARE(shown.size(), 2);
    const QString both = shown.join(QLatin1Char('\n'));
    QVERIFY2(both.contains(QStringLiteral("obj=app::Opening_Screen(")), qPrintable(both));
    QVERIFY2(both.contains(QStringLiteral("obj=QMessageBox")), qPrintable(both));
    const QString all = session.records.join(QLatin1Char('\n'));
    QVERIFY2(all.contains(fx.dataFolder()) && all.contains(QStringLiteral("Varieties.txt")),
             qPrintable(all));
    QCOMPARE(fx.snapshot(), before);
}

VINTRELO_TEST_MAIN(PackageTest)
#include "tst_package.moc"
