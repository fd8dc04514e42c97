#pragma once

#include <QString>
#include <QStringList>
#include <QVector>

namespace store {

// One entry of the chemical and ingredient chart.
struct ChartEntry
{
    QString ingredient;
    QString usage;
    QString typicalAdditions;
    QString weights;
    QString comments;
};

struct ChemicalChart
{
    QVector<ChartEntry> entries; // in file order
    // A complete sentence naming the file when it could not be read whole
    // (missing, unreadable, or ending inside an entry); empty otherwise.
    QString problem;
};

// Reads "Misc/Chemical Ingredients.txt": entries of six lines, the first five
// holding a 19-character label and then the value, the sixth a separator.
// Never throws: whatever was read in whole is returned with the problem.
ChemicalChart readChemicalChart(const QString& dataRoot);

// The chart of the lines of the file at `path` (named in the problem).
ChemicalChart chartFromLines(const QStringList& lines, const QString& path);

// The value of a chart line: everything after its 19-character label.
QString chartValue(const QString& line);

} // namespace store
