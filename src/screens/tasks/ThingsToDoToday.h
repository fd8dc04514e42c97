#pragma once

#include "screens/PlaceholderScreen.h"

namespace screens {

class ThingsToDoToday : public PlaceholderScreen
{
    Q_OBJECT

public:
    explicit ThingsToDoToday(QWidget* parent = nullptr)
        : PlaceholderScreen(tr("Vintrelo - Things to do today"), tr("Things to do Today"), parent)
    {
    }
};

} // namespace screens
