#include "app/Shell.h"
#include "screens/Registration.h"
#include "screens/recipes/ModifyRecipe.h"
#include "screens/recipes/ModifyRecipe2.h"
#include "screens/recipes/NewRecipe.h"

namespace screens {

void registerRecipeScreens(app::Shell& shell)
{
    shell.registerScreen(QStringLiteral("NewRecipe"), [] { return new NewRecipe; });
    shell.registerScreen(QStringLiteral("ModifyRecipe"), [] { return new ModifyRecipe; });
    shell.registerScreen(QStringLiteral("ModifyRecipe2"), [] { return new ModifyRecipe2; });
}

} // namespace screens
