#pragma once

#include "store/BatchFile.h"

#include <QWidget>
#include <memory>

class QLabel;

namespace Ui {
class ParticularsPanel;
}

namespace screens {

struct ParticularControl;

// The batch's particulars as captions and value labels (header lines 1 to 19),
// the same block on the schedule preview, the batch editor and the completed
// view. Its labels keep their own objectNames, so a screen still finds each
// one by name.
class ParticularsPanel : public QWidget
{
    Q_OBJECT

public:
    explicit ParticularsPanel(QWidget* parent = nullptr);
    ~ParticularsPanel() override;

    // The schedule preview's arrangement: the customer beside the wine in two
    // columns of their own, the values in bold and unframed.
    void arrangeAsPreview();

    // Header lines 1 to 19 into the value labels, exactly as stored.
    void showHeader(const store::BatchHeader& header);
    // The header as the labels show it; the recipe number and the reserved
    // lines are not shown, so they are empty.
    store::BatchHeader shownHeader() const;

private:
    QLabel* label(const QString& name) const;
    QLabel* valueLabel(const ParticularControl& control) const;
    QLabel* caption(const ParticularControl& control) const;

    std::unique_ptr<Ui::ParticularsPanel> ui;
};

} // namespace screens
