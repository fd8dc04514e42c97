#pragma once

#include "app/Screen.h"
#include "store/BatchIndex.h"

#include <QVector>
#include <memory>

namespace Ui {
class FindBatch;
}

namespace widgets {
class Grid;
}

namespace screens {

// "Find a Batch": one search box over the batches of both folders. Each key
// typed lists the batches whose identifier, customer, phone numbers, e-mail,
// other I.D., serial number, variety or recipe contain every word typed, case
// and accents ignored. Double-click or Return on a row opens that batch; an
// identifier typed or scanned followed by Return opens its batch directly. The
// batches are read once when the screen opens and kept while it is loaded, so
// returning from a batch finds the same text and results.
class FindBatch : public app::Screen
{
    Q_OBJECT

public:
    explicit FindBatch(QWidget* parent = nullptr);
    ~FindBatch() override;

    widgets::Grid* grid() const;
    const store::BatchIndex& index() const { return m_index; }
    // The batches listed now, in their rows' order.
    QVector<store::IndexedBatch> listed() const;

    // Back from the batch `batchId` was opened in: its row follows the file,
    // which may have changed or moved to the completed folder meanwhile.
    void batchClosed(const QString& batchId);

public Q_SLOTS:
    void Form_Load() override;
    void Search_TextBox_Change();
    void Search_TextBox_Return();
    void Grid1_DblClick(int row, int col);
    void Export_Command_Click();
    void CommandButton1_Click(); // Go Back to Main Menu

protected:
    void closeByTitleBar() override { CommandButton1_Click(); }

private:
    void fitColumnsOnce();
    void showResults();
    void openRow(int row);

    std::unique_ptr<Ui::FindBatch> ui;
    store::BatchIndex m_index;
    QVector<qsizetype> m_found;
};

} // namespace screens
