#pragma once

#include <QSize>
#include <QString>
#include <optional>

class QWidget;

namespace app {

// A window's size as the user left it.
struct ChosenSize
{
    QSize size; // the normal size, also when the window was maximised
    bool maximized = false;
};

// The sizes the user gave the screens' windows, kept between runs in a small
// settings file in the user's configuration folder.
class ScreenSizes
{
public:
    // An empty folder keeps nothing.
    explicit ScreenSizes(const QString& configDir);

    std::optional<ChosenSize> chosen(const QString& screen) const;
    void remember(const QString& screen, const ChosenSize& chosen) const;

private:
    QString m_file;
};

// The size a window holding grids opens at when the user has chosen none: its
// designed size, grown until its grids show every column and every row, as far
// as `room` allows, and never smaller than designed. A grid whose columns cannot
// all fit in `room` asks only for the texts of its last column. The window must
// be hidden.
QSize sizeFittingGrids(QWidget* window, const QSize& room);

} // namespace app
