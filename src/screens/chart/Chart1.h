#pragma once

#include "screens/PlaceholderScreen.h"

namespace screens {

class Chart1 : public PlaceholderScreen
{
    Q_OBJECT

public:
    explicit Chart1(QWidget* parent = nullptr)
        : PlaceholderScreen(tr("Vintrelo"), tr("Chemical and Ingredient Chart"), parent)
    {
    }
};

} // namespace screens
