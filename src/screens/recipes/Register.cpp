#include "app/Shell.h"
#include "screens/Registration.h"
#include "screens/recipes/ModifyRecipe.h"
#include "screens/recipes/ModifyRecipe2.h"
#include "screens/recipes/NewRecipe.h"

namespace screens {

void registerRecipeScreens(app::Shell& shell)
{
    shell.registerScreen<NewRecipe>();
    shell.registerScreen<ModifyRecipe>();
    shell.registerScreen<ModifyRecipe2>();
}

} // namespace screens
