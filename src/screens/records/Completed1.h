#pragma once

#include "screens/records/BatchList.h"
#include "screens/records/Completed2.h"

namespace screens {

// "Completed wine": the archived batches; a double-click opens the read-only view.
class Completed1 : public BatchList
{
    Q_OBJECT

public:
    explicit Completed1(QWidget* parent = nullptr)
        : BatchList({store::BatchFolder::Completed, tr("Vintrelo - Completed Batches"),
                     tr("Completed Batches"), &Completed2::staticMetaObject},
                    parent)
    {
    }
};

} // namespace screens
