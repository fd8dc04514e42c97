#pragma once

#include "screens/PlaceholderScreen.h"

namespace screens {

class ModifyRecipe : public PlaceholderScreen
{
    Q_OBJECT

public:
    explicit ModifyRecipe(QWidget* parent = nullptr)
        : PlaceholderScreen(tr("Vintrelo - Modify Recipe"), tr("Modify an existing Recipe"), parent)
    {
    }
};

} // namespace screens
