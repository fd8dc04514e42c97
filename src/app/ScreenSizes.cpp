#include "app/ScreenSizes.h"

#include "widgets/Grid.h"

#include <QDir>
#include <QLayout>
#include <QSettings>
#include <QWidget>

namespace app {

namespace {
const QString kFileName = QStringLiteral("window-sizes.ini");
const QString kSize = QStringLiteral("size");
const QString kMaximized = QStringLiteral("maximized");
} // namespace

ScreenSizes::ScreenSizes(const QString& configDir)
    : m_file(configDir.isEmpty() ? QString() : QDir(configDir).filePath(kFileName))
{
}

std::optional<ChosenSize> ScreenSizes::chosen(const QString& screen) const
{
    if (m_file.isEmpty())
        return std::nullopt;
    QSettings settings(m_file, QSettings::IniFormat);
    settings.beginGroup(screen);
    ChosenSize chosen;
    chosen.size = settings.value(kSize).toSize();
    chosen.maximized = settings.value(kMaximized, false).toBool();
    if (!chosen.size.isValid() || chosen.size.isEmpty())
        return std::nullopt;
    return chosen;
}

void ScreenSizes::remember(const QString& screen, const ChosenSize& chosen) const
{
    if (m_file.isEmpty() || !chosen.size.isValid())
        return;
    // A folder that cannot be written only costs the remembered size.
    QSettings settings(m_file, QSettings::IniFormat);
    settings.beginGroup(screen);
    settings.setValue(kSize, chosen.size);
    settings.setValue(kMaximized, chosen.maximized);
}

namespace {

// Gives every widget of a hidden window the geometry its layouts would give it
// when shown at its current size; a hidden window lays out only its own layout.
void layOutHidden(QWidget* window)
{
    QList<QWidget*> widgets{window};
    widgets += window->findChildren<QWidget*>(); // parents before their children
    for (QWidget* widget : std::as_const(widgets)) {
        if (QLayout* layout = widget->layout()) {
            layout->activate();
            layout->setGeometry(widget->contentsRect());
        }
    }
}

} // namespace

QSize sizeFittingGrids(QWidget* window, const QSize& room)
{
    const QSize designed = window->size();
    QLayout* layout = window->layout();
    if (!layout)
        return designed;
    QSize size = designed;
    // Growing one way can change what the layout gives the other (a label that
    // wraps), so the grids are measured again after each step.
    for (int step = 0; step < 3; ++step) {
        window->resize(size);
        layOutHidden(window);
        QSize missing(0, 0);
        for (const widgets::Grid* grid : window->findChildren<widgets::Grid*>()) {
            if (!grid->isVisibleTo(window))
                continue;
            QSize needed = grid->sizeShowingAllCells();
            // A last column too wide for any screen is there to scroll; only
            // its texts count.
            if ((size + needed - grid->size()).width() > room.width())
                needed.setWidth(grid->sizeShowingAllTexts().width());
            missing = missing.expandedTo(needed - grid->size());
        }
        const QSize next = (size + missing).boundedTo(room).expandedTo(size);
        if (next == size)
            break;
        size = next;
    }
    window->resize(designed);
    return size;
}

} // namespace app
