#include "widgets/SingleLine.h"

#include "store/SingleLineValues.h"

#include <QLineEdit>
#include <QValidator>
#include <algorithm>

namespace widgets {

namespace {

// What the files' writers refuse, and a tab, which would read as a gap between
// fields in a text editor.
bool breaksLine(QChar c)
{
    return c == u'\t' || store::isLineBreak(c);
}

// Every change of the box's text passes through validate(), so one place sees
// a paste, a drop, an input method's text and setText() alike.
class SingleLineValidator : public QValidator
{
public:
    using QValidator::QValidator;

    State validate(QString& input, int& pos) const override
    {
        if (std::none_of(input.cbegin(), input.cend(), breaksLine))
            return Acceptable;
        const int cursor = static_cast<int>(singleLine(input.left(pos)).size());
        input = singleLine(input);
        pos = std::min(cursor, static_cast<int>(input.size()));
        return Acceptable;
    }
};

} // namespace

QString singleLine(const QString& text)
{
    QString result;
    result.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (!breaksLine(c)) {
            result.append(c);
            continue;
        }
        // CR LF is one line break, so one blank.
        if (c == u'\r' && i + 1 < text.size() && text.at(i + 1) == u'\n')
            ++i;
        result.append(u' ');
    }
    return result;
}

void keepOnOneLine(QLineEdit* box)
{
    // Already kept on one line, or a box with a validator of its own (a spin box's).
    if (box->validator())
        return;
    box->setValidator(new SingleLineValidator(box));
    // Text already in the box follows the same rule.
    if (std::any_of(box->text().cbegin(), box->text().cend(), breaksLine))
        box->setText(singleLine(box->text()));
}

} // namespace widgets
