#pragma once

#include "screens/records/BatchList.h"
#include "screens/records/ExistingInventory2.h"

namespace screens {

// "Batches in Progress": the active batches; a double-click opens the editor.
class ExistingInventory : public BatchList
{
    Q_OBJECT

public:
    explicit ExistingInventory(QWidget* parent = nullptr)
        : BatchList({store::BatchFolder::Active, tr("Vintrelo - Existing Batches on the go"),
                     tr("Existing Batches on the go"), &ExistingInventory2::staticMetaObject},
                    parent)
    {
    }
};

} // namespace screens
