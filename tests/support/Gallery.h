#pragma once

#include <QString>

class AppHarness;

// Checks that exactly one screen is visible and, when VINTRELO_GALLERY names a
// folder, saves a picture of it there, named after the screen's class and state
// ("NewBatch2.png", "ThingsToDoToday-opened.png").
void snapGallery(AppHarness& app, const QString& state = QString());
