// A location file with any bytes: it names the data folder, or the start-up
// learns why it cannot be used. Reading it never throws and never writes.
#include "FuzzSupport.h"
#include "store/DataFolder.h"
#include "store/StoreError.h"

#include <QFileInfo>

namespace {

store::LocationPlaces places;

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    const QString scratch = fuzz::scratchFolder("location_file");
    places.programDir = QDir(scratch).filePath(QStringLiteral("program"));
    places.configDir = QDir(scratch).filePath(QStringLiteral("config"));
    QDir().mkpath(places.programDir);
    QDir().mkpath(places.configDir);
    QDir().mkpath(QDir(scratch).filePath(QStringLiteral("data/Recipes")));
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    fuzz::putFile(places.programDir, store::kLocationFileName, fuzz::bytesOf(data, size));
    store::DataRootResult result;
    try {
        result = store::loadDataRoot(places);
    } catch (...) {
        FUZZ_CHECK(false, "reading the location file threw");
    }
    FUZZ_CHECK(result.locationFile == QDir(places.programDir).filePath(store::kLocationFileName),
               "another location file was read");
    if (result.problem != store::DataRootProblem::None) {
        FUZZ_CHECK(!result.message.isEmpty(), "a problem without a message");
        FUZZ_CHECK(result.dataRoot.isEmpty(), "a data folder despite a problem");
        return 0;
    }
    FUZZ_CHECK(result.dataRoot.endsWith(QLatin1Char('/')), "the data folder lacks its separator");
    FUZZ_CHECK(QFileInfo(result.dataRoot).isDir(), "the data folder does not exist");
    // The system would cut such a path short and use another folder.
    FUZZ_CHECK(!result.dataRoot.contains(QChar(0)), "a data folder with a NUL in its name");
    store::missingDataFolderParts(result.dataRoot);
    const QString recipes = store::folderPath(result.dataRoot, store::kRecipesFolder);
    FUZZ_CHECK(fuzz::isInside(recipes, result.dataRoot), "a data path outside the data folder");
    return 0;
}
