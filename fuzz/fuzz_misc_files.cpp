// The lists of the Misc folder with any bytes, in memory: the chemical chart as
// it is taken from the file's lines. fuzz_misc_files_disk reads the same bytes
// as each of the three files.
#include "FuzzSupport.h"
#include "store/ChemicalChart.h"
#include "store/TextLines.h"

namespace {

const QString kPath = QStringLiteral("/shop/Misc/Chemical Ingredients.txt");

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QStringList lines = store::decodeLines(fuzz::bytesOf(data, size));
    const store::ChemicalChart chart = store::chartFromLines(lines, kPath);
    // Nothing but whole entries is shown, and nothing is dropped without a word.
    const qsizetype covered = std::min<qsizetype>(chart.entries.size() * 6, lines.size());
    bool restBlank = true;
    for (qsizetype i = covered; i < lines.size(); ++i)
        restBlank = restBlank && lines.at(i).trimmed().isEmpty();
    FUZZ_CHECK(chart.problem.isEmpty() == restBlank, "lines were dropped without a word");
    FUZZ_CHECK(chart.problem.isEmpty() || chart.problem.contains(kPath),
               "the message does not name the chart file");
    for (qsizetype e = 0; e < chart.entries.size(); ++e) {
        const store::ChartEntry& entry = chart.entries.at(e);
        const QStringList values{entry.ingredient, entry.usage, entry.typicalAdditions,
                                 entry.weights, entry.comments};
        for (int v = 0; v < 5; ++v)
            FUZZ_CHECK(values.at(v) == lines.at(e * 6 + v).mid(19), "a value from another line");
    }
    return 0;
}
