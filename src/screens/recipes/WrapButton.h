#pragma once

#include <QPushButton>

namespace screens {

// A push button whose caption wraps over several lines, as the editor's long
// captions need; text() stays the whole caption.
class WrapButton : public QPushButton
{
    Q_OBJECT

public:
    explicit WrapButton(QWidget* parent = nullptr);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;
    bool hasHeightForWidth() const override { return true; }
    int heightForWidth(int width) const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QRect textRect(const QRect& within) const;
};

} // namespace screens
