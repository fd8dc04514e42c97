#pragma once

#include <QString>

class AppHarness;

// Checks that exactly one screen is visible and, when VINTRELO_GALLERY names a
// folder, saves a picture of it there, named after the screen's class and state
// ("NewBatch2.png", "ThingsToDoToday-opened.png"). In a French run
// (VINTRELO_TEST_LANGUAGE) it also checks that the screen reads in French with
// nothing cut off.
void snapGallery(AppHarness& app, const QString& state = QString());
