// The three lists of the Misc folder with any bytes, as files: the varieties
// and the recipe actions as the screens read them, and the chemical chart as
// read from its file. The chart's checks that need no file are fuzz_misc_files'.
#include "FuzzSupport.h"
#include "store/ChemicalChart.h"
#include "store/DataFolder.h"
#include "store/StoreError.h"
#include "store/TextLines.h"

namespace {

QString root;

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    root = fuzz::scratchFolder("misc_files_disk") + QLatin1Char('/');
    QDir().mkpath(QDir(root).filePath(store::kMiscFolder));
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray bytes = fuzz::bytesOf(data, size);
    const QStringList lines = store::decodeLines(bytes);
    for (const QString& name : {store::kVarietiesFile, store::kRecipeActionsFile}) {
        fuzz::putFile(root, store::kMiscFolder + QLatin1Char('/') + name, bytes);
        const QStringList read = store::readTextLines(
            store::miscFilePath(root, name), store::FileSubject(store::FileSubject::VarietyList));
        FUZZ_CHECK(read == lines, "a list reads other lines than the file holds");
    }
    fuzz::putFile(root, store::kMiscFolder + QLatin1Char('/') + store::kChemicalsFile, bytes);
    const store::ChemicalChart read = store::readChemicalChart(root);
    const store::ChemicalChart expected =
        store::chartFromLines(lines, store::miscFilePath(root, store::kChemicalsFile));
    FUZZ_CHECK(read.problem == expected.problem, "the chart file is judged otherwise");
    FUZZ_CHECK(read.entries.size() == expected.entries.size(),
               "the chart file shows other entries");
    for (qsizetype e = 0; e < read.entries.size(); ++e) {
        const store::ChartEntry& a = read.entries.at(e);
        const store::ChartEntry& b = expected.entries.at(e);
        FUZZ_CHECK(a.ingredient == b.ingredient && a.usage == b.usage &&
                       a.typicalAdditions == b.typicalAdditions && a.weights == b.weights &&
                       a.comments == b.comments,
                   "the chart file shows another entry");
    }
    return 0;
}
