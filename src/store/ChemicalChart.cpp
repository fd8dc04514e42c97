#include "store/ChemicalChart.h"

#include "store/DataFolder.h"
#include "store/StoreError.h"
#include "store/TextLines.h"

#include <QDir>

namespace store {

namespace {

constexpr int kLabelWidth = 19;
constexpr int kEntryLines = 6;
constexpr int kValueLines = 5;

bool allBlank(const QStringList& lines, int from)
{
    for (int i = from; i < lines.size(); ++i) {
        if (!lines.at(i).trimmed().isEmpty())
            return false;
    }
    return true;
}

} // namespace

QString chartValue(const QString& line)
{
    return line.mid(kLabelWidth);
}

ChemicalChart readChemicalChart(const QString& dataRoot)
{
    const QString path = miscFilePath(dataRoot, kChemicalsFile);
    try {
        return chartFromLines(readTextLines(path, FileSubject(FileSubject::ChemicalChart)), path);
    } catch (const StoreError& error) {
        ChemicalChart chart;
        chart.problem = error.message();
        return chart;
    }
}

ChemicalChart chartFromLines(const QStringList& lines, const QString& path)
{
    ChemicalChart chart;
    int at = 0;
    while (at < lines.size()) {
        const int left = static_cast<int>(lines.size()) - at;
        // A missing separator after the last entry loses nothing; blank lines
        // after the last entry are no entry at all.
        if (left < kValueLines) {
            if (!allBlank(lines, at)) {
                chart.problem =
                    StoreText::tr(
                        "The chemical and ingredient chart \"%1\" ends in the middle of an "
                        "entry: its last entry has only %2 of its six lines and is not shown. "
                        "Complete that entry in the file, or remove its lines.")
                        .arg(QDir::toNativeSeparators(path), QString::number(left));
            }
            break;
        }
        ChartEntry entry;
        entry.ingredient = chartValue(lines.at(at));
        entry.usage = chartValue(lines.at(at + 1));
        entry.typicalAdditions = chartValue(lines.at(at + 2));
        entry.weights = chartValue(lines.at(at + 3));
        entry.comments = chartValue(lines.at(at + 4));
        chart.entries << entry;
        at += kEntryLines;
    }
    return chart;
}

} // namespace store
