#include "app/FirstRun.h"

#include "store/StarterData.h"
#include "store/StoreError.h"
#include "widgets/Messages.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace app {

namespace {

// This file's texts, in one translation context.
class Text
{
    Q_DECLARE_TR_FUNCTIONS(FirstRun)
};

QString native(const QString& path)
{
    return QDir::toNativeSeparators(QDir::cleanPath(path));
}

// Where the folder picker starts: the suggested folder's parent, which exists.
QString pickerStart(const QString& defaultDataFolder)
{
    QFileInfo info(defaultDataFolder);
    QDir parent = info.absoluteDir();
    return parent.exists() ? parent.absolutePath() : QDir::homePath();
}

} // namespace

bool offerFirstRun(QWidget* parent, const store::DataRootResult& problem,
                   const store::LocationPlaces& places, const QString& defaultDataFolder)
{
    using widgets::Messages::choice;
    using widgets::Messages::warning;

    for (;;) {
        const QString text =
            problem.message + QStringLiteral("\n\n") +
            Text::tr(
                "Vintrelo can set up a new data folder now, with folders for recipes and batches, "
                "a batch counter starting at 1, lists of grape varieties, recipe actions and "
                "winemaking chemicals, and three starter recipes. An existing data folder can be "
                "chosen instead; nothing in it is replaced.\n\nSuggested folder: %1")
                .arg(native(defaultDataFolder));
        const int answer =
            choice(parent, text,
                   {Text::tr("Create the Suggested Folder"), Text::tr("Choose Another Folder..."),
                    Text::tr("Exit Vintrelo")});
        QString folder;
        if (answer == 0) {
            folder = defaultDataFolder;
        } else if (answer == 1) {
            folder = widgets::Pickers::existingFolder(
                parent, Text::tr("Choose or create the folder for Vintrelo's data"),
                pickerStart(defaultDataFolder));
            if (folder.isEmpty())
                continue;
        } else {
            return false;
        }

        try {
            store::createDataFolder(folder);
            const QString locationFile = store::writeLocationFile(places, folder);
            widgets::Messages::information(
                parent,
                Text::tr("Vintrelo's data folder is \"%1\". The location file \"%2\" names it, "
                         "so Vintrelo finds it from now on. Keep a backup of this folder: it "
                         "holds all your batches and recipes.")
                    .arg(native(folder), native(locationFile)));
            return true;
        } catch (const store::StoreError& error) {
            warning(parent, error.message());
        }
    }
}

} // namespace app
