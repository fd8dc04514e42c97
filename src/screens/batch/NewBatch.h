#pragma once

#include "screens/PlaceholderScreen.h"

namespace screens {

class NewBatch : public PlaceholderScreen
{
    Q_OBJECT

public:
    explicit NewBatch(QWidget* parent = nullptr)
        : PlaceholderScreen(tr("Vintrelo - New Batch"), tr("Start a New Batch"), parent)
    {
    }
};

} // namespace screens
