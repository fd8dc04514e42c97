#pragma once

namespace app {
class Shell;
}

namespace screens {

// Each subsystem registers its own screens with the shell.
void registerBatchScreens(app::Shell& shell);
void registerTaskScreens(app::Shell& shell);
void registerRecordScreens(app::Shell& shell);
void registerRecipeScreens(app::Shell& shell);
void registerChartScreens(app::Shell& shell);
void registerBackupScreens(app::Shell& shell);
void registerFindScreens(app::Shell& shell);

} // namespace screens
