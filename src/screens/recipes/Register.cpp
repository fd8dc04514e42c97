#include "app/Shell.h"
#include "screens/Registration.h"
#include "screens/recipes/ModifyRecipe.h"
#include "screens/recipes/NewRecipe.h"

namespace screens {

void registerRecipeScreens(app::Shell& shell)
{
    shell.registerScreen(QStringLiteral("NewRecipe"), [] { return new NewRecipe; });
    shell.registerScreen(QStringLiteral("ModifyRecipe"), [] { return new ModifyRecipe; });
}

} // namespace screens
