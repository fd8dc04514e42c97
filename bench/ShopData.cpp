#include "ShopData.h"

#include "store/BatchFile.h"
#include "store/DataFolder.h"
#include "store/LongDate.h"
#include "store/RecipeFile.h"
#include "store/TextLines.h"

#include <QDir>
#include <QFile>
#include <QVector>

namespace bench {

namespace {

const int kStepDays[kActionsPerBatch] = {1, 2, 5, 8, 14, 21, 28, 42, 56, 70, 90, 120};
const char* const kStepActions[kActionsPerBatch] = {"Add yeast and stir",
                                                    "Check specific gravity",
                                                    "Stir the must",
                                                    "Rack into a clean carboy",
                                                    "Check specific gravity",
                                                    "Stabilize and degas",
                                                    "Add clearing agent",
                                                    "Rack off the sediment",
                                                    "Top up and check airlock",
                                                    "Filter",
                                                    "Check for clarity",
                                                    "Bottle"};
const char* const kVarieties[] = {"Cabernet Sauvignon", "Merlot", "Chardonnay",     "Pinot Noir",
                                  "Riesling",           "Shiraz", "Sauvignon Blanc"};
const char* const kColours[] = {"Red", "Red", "White", "Red", "White", "Red", "White"};

// Completed batches were started over the ten years before the last four months;
// batches in progress over the last 90 days.
constexpr int kHistoryDays = 3650;
constexpr int kInProgressDays = 90;

struct PlannedBatch
{
    QString id;
    QDate start;
    bool completed = false;
    int actions = kActionsPerBatch;
    int recipe = 1;
};

QVector<PlannedBatch> planBatches(int batches)
{
    const QDate today = shopToday();
    const int completed = batches / 2;
    const int active = batches - completed;
    QVector<PlannedBatch> plan;
    plan.reserve(batches);
    for (int j = 0; j < completed; ++j) {
        PlannedBatch batch;
        batch.start = today.addDays(-120 - qint64(completed - 1 - j) * kHistoryDays / completed);
        batch.completed = true;
        batch.recipe = 1 + j % kRecipes;
        plan << batch;
    }
    for (int j = 0; j < active; ++j) {
        PlannedBatch batch;
        batch.start = today.addDays(-(j % kInProgressDays));
        batch.recipe = 1 + j % kRecipes;
        if (j == active - 1) {
            batch.start = today.addDays(-(kInProgressDays - 1));
            batch.actions = kBigBatchActions;
        }
        plan << batch;
    }
    for (int i = 0; i < plan.size(); ++i) {
        plan[i].id =
            QStringLiteral("%1-%2").arg(plan[i].start.year()).arg(i + 1, 6, 10, QLatin1Char('0'));
    }
    return plan;
}

QString recipeNumber(int recipe)
{
    return QStringLiteral("%1").arg(recipe, 4, 10, QLatin1Char('0'));
}

store::BatchFile batchFor(const PlannedBatch& planned)
{
    using store::BatchHeader;
    store::BatchFile batch;
    const int n = planned.id.right(6).toInt();
    const int kind = n % int(std::size(kVarieties));
    BatchHeader& header = batch.header;
    header.setField(BatchHeader::CustomerName, QStringLiteral("Customer %1").arg(n));
    header.setField(BatchHeader::Address, QStringLiteral("%1 Vineyard Road").arg(n % 900 + 1));
    header.setField(BatchHeader::City, QStringLiteral("Kelowna"));
    header.setField(BatchHeader::Province, QStringLiteral("BC"));
    header.setField(BatchHeader::PostalCode, QStringLiteral("V1Y 2B3"));
    header.setField(BatchHeader::Phone1,
                    QStringLiteral("250-555-%1").arg(n % 10000, 4, 10, QLatin1Char('0')));
    header.setField(BatchHeader::Email, QStringLiteral("customer%1@example.com").arg(n));
    header.setField(BatchHeader::SerialNumber, QStringLiteral("KIT-%1").arg(n));
    header.setField(BatchHeader::Variety, QString::fromLatin1(kVarieties[kind]));
    header.setField(BatchHeader::Colour, QString::fromLatin1(kColours[kind]));
    header.setField(BatchHeader::Vintage, QString::number(planned.start.year()));
    header.setField(BatchHeader::MustType, QStringLiteral("Kit"));
    header.setField(BatchHeader::Source, QStringLiteral("Shop"));
    header.setField(BatchHeader::BatchSize, QStringLiteral("23 L"));
    header.setField(BatchHeader::Cost, QStringLiteral("189.95"));
    header.setField(BatchHeader::Vintner, QStringLiteral("Joe"));
    header.setField(BatchHeader::StartDate, store::formatLongDate(planned.start));
    header.setField(BatchHeader::RecipeNumber, recipeNumber(planned.recipe));

    const bool big = planned.actions != kActionsPerBatch;
    for (int a = 0; a < planned.actions; ++a) {
        store::ActionRecord record;
        const int day = big ? 1 + a : kStepDays[a];
        record.DayNumber = QString::number(day);
        record.DueDate = store::formatLongDate(planned.start.addDays(day - 1));
        record.Action = QString::fromLatin1(kStepActions[a % kActionsPerBatch]);
        if (planned.completed || a < planned.actions / 2) {
            record.Amount = QStringLiteral("1 packet");
            record.Measurement =
                QStringLiteral("SG 1.0%1").arg(90 - a % 90, 2, 10, QLatin1Char('0'));
            record.Notes = QStringLiteral("Done as planned");
            record.DateCompleted = record.DueDate;
        }
        batch.records << record;
    }
    return batch;
}

void writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size())
        qFatal("benchmark: cannot write %s", qPrintable(path));
}

void writeLines(const QString& path, const QStringList& lines)
{
    writeFile(path, store::encodeLines(lines));
}

} // namespace

QDate shopToday()
{
    return QDate(2026, 12, 7);
}

Shop planShop(const QString& base, int batches)
{
    Shop shop;
    const QDir root(base);
    shop.base = base;
    shop.programDir = root.filePath(QStringLiteral("program"));
    shop.configDir = root.filePath(QStringLiteral("config"));
    shop.dataFolder = root.filePath(QStringLiteral("data"));
    for (const PlannedBatch& batch : planBatches(batches)) {
        const QString name = batch.id + QStringLiteral(".txt");
        if (batch.completed) {
            shop.completedFiles << store::kCompletedFolder + QLatin1Char('/') + name;
        } else {
            shop.activeFiles << store::kActiveFolder + QLatin1Char('/') + name;
            if (batch.actions == kBigBatchActions)
                shop.bigBatchId = batch.id;
        }
    }
    for (int recipe = 1; recipe <= kRecipes; ++recipe) {
        shop.recipeFiles << store::kRecipesFolder + QLatin1Char('/') + recipeNumber(recipe) +
                                QStringLiteral(".txt");
    }
    return shop;
}

void writeShop(const Shop& shop, int batches)
{
    const QDir data(shop.dataFolder);
    for (const QString& dir : {shop.programDir, shop.configDir})
        QDir().mkpath(dir);
    for (const QString& folder :
         {store::kRecipesFolder, store::kActiveFolder, store::kCompletedFolder, store::kMiscFolder})
        data.mkpath(folder);
    writeLines(QDir(shop.programDir).filePath(store::kLocationFileName), {shop.dataFolder});
    writeLines(data.filePath(store::kCounterFile), {QString::number(batches + 1)});

    QStringList varieties;
    for (const char* variety : kVarieties)
        varieties << QString::fromLatin1(variety);
    varieties.removeDuplicates();
    writeLines(data.filePath(QStringLiteral("Misc/Varieties.txt")), varieties);
    QStringList actions;
    for (const char* action : kStepActions)
        actions << QString::fromLatin1(action);
    actions.removeDuplicates();
    writeLines(data.filePath(QStringLiteral("Misc/Recipe Actions.txt")), actions);
    writeLines(data.filePath(QStringLiteral("Misc/Chemical Ingredients.txt")),
               {QStringLiteral("Ingredient:        Bentonite"),
                QStringLiteral("Usage:             Clearing"),
                QStringLiteral("Typical Additions: 1 tbsp per 23 L"),
                QStringLiteral("Weights:           1 tbsp = 9 g"),
                QStringLiteral("Comments:          Stir into water first"),
                QString(40, QLatin1Char('-'))});

    for (int recipe = 1; recipe <= kRecipes; ++recipe) {
        QVector<store::RecipeRow> rows;
        for (int a = 0; a < kActionsPerBatch; ++a)
            rows.append({QString::number(kStepDays[a]), QString::fromLatin1(kStepActions[a])});
        const int kind = recipe % int(std::size(kVarieties));
        writeLines(data.filePath(shop.recipeFiles.at(recipe - 1)),
                   store::recipeToLines(recipeNumber(recipe),
                                        QStringLiteral("%1 kit, recipe %2")
                                            .arg(QString::fromLatin1(kVarieties[kind]))
                                            .arg(recipe),
                                        rows));
    }

    for (const PlannedBatch& planned : planBatches(batches)) {
        const QString folder = planned.completed ? store::kCompletedFolder : store::kActiveFolder;
        writeLines(data.filePath(folder + QLatin1Char('/') + planned.id + QStringLiteral(".txt")),
                   store::batchToLines(batchFor(planned)));
    }
}

} // namespace bench
