#pragma once

#include "screens/PlaceholderScreen.h"

namespace screens {

class NewRecipe : public PlaceholderScreen
{
    Q_OBJECT

public:
    explicit NewRecipe(QWidget* parent = nullptr)
        : PlaceholderScreen(tr("Vintrelo - New Recipe"), tr("Create a new Recipe"), parent)
    {
    }
};

} // namespace screens
