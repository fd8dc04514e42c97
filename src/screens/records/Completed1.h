#pragma once

#include "screens/PlaceholderScreen.h"

namespace screens {

class Completed1 : public PlaceholderScreen
{
    Q_OBJECT

public:
    explicit Completed1(QWidget* parent = nullptr)
        : PlaceholderScreen(tr("Vintrelo - Completed Batches"), tr("Completed Batches"), parent)
    {
    }
};

} // namespace screens
