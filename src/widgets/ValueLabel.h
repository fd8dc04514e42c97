#pragma once

#include <QLabel>

namespace widgets {

// A label that shows a value from a file or from the user: as plain text,
// exactly as stored, and on one line of its own width. A value too long for
// that width ends in "…" and shows whole in the label's tooltip, so one long
// value never squeezes the labels beside it. text() is always the whole value.
class ValueLabel : public QLabel
{
    Q_OBJECT

public:
    explicit ValueLabel(QWidget* parent = nullptr);

    // What the label shows now: the value, or its shortened form.
    QString shownText() const;
    bool isShortened() const { return shownText() != text(); }

    // Not the width of the value: labels share their row's width evenly.
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    int textWidth() const;
};

// Shows `value` in a tooltip as plain text, whatever markup it looks like.
QString plainToolTip(const QString& value);

} // namespace widgets
