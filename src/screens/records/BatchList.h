#pragma once

#include "app/Screen.h"
#include "store/BatchFile.h"

#include <memory>

namespace Ui {
class BatchList;
}

namespace widgets {
class Grid;
}

namespace screens {

// The list of the batch files of one folder, one row per file, with one empty
// row at the bottom. A double-click on a row opens that batch in the screen
// that goes with the folder.
class BatchList : public app::Screen
{
    Q_OBJECT

public:
    ~BatchList() override;

    widgets::Grid* grid() const;

public Q_SLOTS:
    void Form_Load() override;
    void Grid1_DblClick(int row, int col);
    void CommandButton1_Click(); // Go Back to Main Menu
    void Export_Command_Click();

protected:
    struct Kind
    {
        store::BatchFolder folder;
        QString windowTitle;
        QString heading;
        const QMetaObject* opens; // the screen a double-click opens
    };
    BatchList(const Kind& kind, QWidget* parent);

    void closeByTitleBar() override { CommandButton1_Click(); }

private:
    Kind m_kind;
    std::unique_ptr<Ui::BatchList> ui;
};

} // namespace screens
