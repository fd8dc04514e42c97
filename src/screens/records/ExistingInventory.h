#pragma once

#include "screens/PlaceholderScreen.h"

namespace screens {

class ExistingInventory : public PlaceholderScreen
{
    Q_OBJECT

public:
    explicit ExistingInventory(QWidget* parent = nullptr)
        : PlaceholderScreen(tr("Vintrelo - Existing Batches on the go"),
                            tr("Existing Batches on the go"), parent)
    {
    }
};

} // namespace screens
