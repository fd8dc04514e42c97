#pragma once

// A shop whose customers write their names in several scripts, some files
// written by an older program in Windows-1252.
#include "DataFixture.h"
#include "store/BatchFile.h"
#include "store/TextLines.h"

#include <QStringList>

namespace shopofnames {

using store::BatchHeader;

inline store::BatchFile batchOf(const QString& customer, const QString& variety,
                                const QString& recipe, int openActions = 1)
{
    store::BatchFile batch;
    batch.header.setField(BatchHeader::CustomerName, customer);
    batch.header.setField(BatchHeader::Variety, variety);
    batch.header.setField(BatchHeader::StartDate, QStringLiteral("Tuesday, December 1, 2026"));
    batch.header.setField(BatchHeader::RecipeNumber, recipe);
    for (int i = 0; i < openActions + 1; ++i) {
        store::ActionRecord record;
        record.DayNumber = QString::number(1 + 7 * i);
        record.DueDate =
            QDate(2026, 12, 1).addDays(7 * i).toString(QStringLiteral("dddd, MMMM d, yyyy"));
        record.Action = QStringLiteral("Step %1").arg(i + 1);
        // The first action is done: the next open one is the second.
        if (i == 0)
            record.DateCompleted = record.DueDate;
        batch.records << record;
    }
    return batch;
}

// Writes the batches of the shop:
//   2026-000001 active,    "Müller, Jürgen" in Windows-1252, Riesling, jm@example.de, Rouge
//   2026-000002 active,    "Łódź Wine Club", phone 2 "+48 42 555 0199", serial "SN-7781", Red
//   2026-000003 completed, "Σοφία Παπαδοπούλου", Agiorgitiko, other I.D. "Locker 12"
//   2026-000004 active,    "Иван Петров", recipe 0003 "Merlot six week kit"
//   2026-000005 completed, "山田太郎", yamada@example.jp, Koshu
//   2026-000006 active,    "Ann Damaged", cut short after five lines
//   temp.txt in the active folder, never a batch
inline void writeShop(const DataFixture& fx)
{
    fx.writeRecipe(QStringLiteral("0003"), QStringLiteral("Merlot six week kit"),
                   {{QStringLiteral("1"), QStringLiteral("Add yeast")}});
    fx.writeRecipe(QStringLiteral("0004"), QStringLiteral("Château blanc"),
                   {{QStringLiteral("1"), QStringLiteral("Add yeast")}});

    store::BatchFile muller = batchOf(QStringLiteral("Müller, Jürgen"), QStringLiteral("Riesling"),
                                      QStringLiteral("0004"));
    muller.header.setField(BatchHeader::Email, QStringLiteral("jm@example.de"));
    muller.header.setField(BatchHeader::Colour, QStringLiteral("Rouge")); // by a French PC
    muller.header.setField(BatchHeader::Phone1, QStringLiteral("=1+2"));
    QStringList lines = store::batchToLines(muller);
    QByteArray bytes;
    for (int i = 0; i < lines.size(); ++i)
        bytes += (i == BatchHeader::CustomerName ? lines.at(i).toLatin1() : lines.at(i).toUtf8()) +
                 "\r\n";
    fx.writeBytes(QStringLiteral("Active Batches/2026-000001.txt"), bytes);

    store::BatchFile lodz = batchOf(QStringLiteral("Łódź Wine Club"),
                                    QStringLiteral("Pinot \"Noir\""), QStringLiteral("0003"));
    lodz.header.setField(BatchHeader::Phone2, QStringLiteral("+48 42 555 0199"));
    lodz.header.setField(BatchHeader::SerialNumber, QStringLiteral("SN-7781"));
    lodz.header.setField(BatchHeader::Colour, QStringLiteral("Red"));
    fx.writeBatch(QStringLiteral("2026-000002"), lodz);

    store::BatchFile sofia = batchOf(QStringLiteral("Σοφία Παπαδοπούλου"),
                                     QStringLiteral("Agiorgitiko"), QStringLiteral("0004"), 0);
    sofia.header.setField(BatchHeader::OtherID, QStringLiteral("Locker 12"));
    fx.writeBatch(QStringLiteral("2026-000003"), sofia, QStringLiteral("Completed Batches"));

    fx.writeBatch(QStringLiteral("2026-000004"),
                  batchOf(QStringLiteral("Иван Петров"), QStringLiteral("Merlot, 2025"),
                          QStringLiteral("0003")));

    store::BatchFile yamada =
        batchOf(QStringLiteral("山田太郎"), QStringLiteral("Koshu"), QStringLiteral("0009"), 0);
    yamada.header.setField(BatchHeader::Email, QStringLiteral("yamada@example.jp"));
    fx.writeBatch(QStringLiteral("2026-000005"), yamada, QStringLiteral("Completed Batches"));

    fx.writeLines(QStringLiteral("Active Batches/2026-000006.txt"),
                  store::batchToLines(batchOf(QStringLiteral("Ann Damaged"),
                                              QStringLiteral("Shiraz"), QStringLiteral("0003")))
                      .mid(0, 5));
    fx.writeLines(QStringLiteral("Active Batches/temp.txt"),
                  store::batchToLines(batchOf(QStringLiteral("Ann Left Over"),
                                              QStringLiteral("Shiraz"), QStringLiteral("0003"))));
}

} // namespace shopofnames
