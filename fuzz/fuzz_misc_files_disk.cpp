// The three lists of the Misc folder with any bytes: the varieties and the
// recipe actions as the screens read them, and the chemical chart.
#include "FuzzSupport.h"
#include "store/ChemicalChart.h"
#include "store/DataFolder.h"
#include "store/StoreError.h"
#include "store/TextLines.h"

namespace {

QString root;

// Nothing but whole entries is shown, and nothing is dropped without a word.
void checkChart(const QStringList& lines)
{
    const store::ChemicalChart chart = store::readChemicalChart(root);
    const qsizetype covered = std::min<qsizetype>(chart.entries.size() * 6, lines.size());
    bool restBlank = true;
    for (qsizetype i = covered; i < lines.size(); ++i)
        restBlank = restBlank && lines.at(i).trimmed().isEmpty();
    FUZZ_CHECK(chart.problem.isEmpty() == restBlank, "lines were dropped without a word");
    FUZZ_CHECK(chart.problem.isEmpty() || chart.problem.contains(store::kChemicalsFile),
               "the message does not name the chart file");
    for (qsizetype e = 0; e < chart.entries.size(); ++e) {
        const store::ChartEntry& entry = chart.entries.at(e);
        const QStringList values{entry.ingredient, entry.usage, entry.typicalAdditions,
                                 entry.weights, entry.comments};
        for (int v = 0; v < 5; ++v)
            FUZZ_CHECK(values.at(v) == lines.at(e * 6 + v).mid(19), "a value from another line");
    }
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    root = fuzz::scratchFolder("misc_files") + QLatin1Char('/');
    QDir().mkpath(QDir(root).filePath(store::kMiscFolder));
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray bytes = fuzz::bytesOf(data, size);
    const QStringList lines = store::decodeLines(bytes);
    for (const QString& name : {store::kVarietiesFile, store::kRecipeActionsFile}) {
        fuzz::putFile(root, store::kMiscFolder + QLatin1Char('/') + name, bytes);
        const QStringList read =
            store::readTextLines(store::miscFilePath(root, name), QStringLiteral("the list"));
        FUZZ_CHECK(read == lines, "a list reads other lines than the file holds");
    }
    fuzz::putFile(root, store::kMiscFolder + QLatin1Char('/') + store::kChemicalsFile, bytes);
    checkChart(lines);
    return 0;
}
