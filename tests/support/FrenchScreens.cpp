#include "FrenchScreens.h"

#include "widgets/Grid.h"
#include "widgets/ValueLabel.h"

#include <QAbstractButton>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QXmlStreamReader>

namespace {

TranslationTexts readTexts()
{
    TranslationTexts texts;
    QFile file(QStringLiteral(VINTRELO_SOURCE_DIR "/translations/vintrelo_fr.ts"));
    if (!file.open(QIODevice::ReadOnly))
        qFatal("cannot read %s", qPrintable(file.fileName()));
    QXmlStreamReader xml(&file);
    while (xml.readNextStartElement() || !xml.atEnd()) {
        if (!xml.isStartElement())
            continue;
        if (xml.name() == QLatin1String("source"))
            texts.sources << xml.readElementText();
        else if (xml.name() == QLatin1String("translation"))
            texts.translations << xml.readElementText();
    }
    return texts;
}

QString withoutAccelerator(QString text)
{
    return text.replace(QStringLiteral("&&"), QStringLiteral("\x01"))
        .remove(QLatin1Char('&'))
        .replace(QLatin1Char('\x01'), QLatin1Char('&'));
}

// The width the widest line of `text` needs in `metrics`.
int textWidth(const QFontMetrics& metrics, const QString& text)
{
    int widest = 0;
    for (const QString& line : text.split(QLatin1Char('\n')))
        widest = std::max(widest, metrics.horizontalAdvance(line));
    return widest;
}

QString where(const QWidget* widget)
{
    return widget->objectName().isEmpty() ? QString::fromLatin1(widget->metaObject()->className())
                                          : widget->objectName();
}

class Checker
{
public:
    explicit Checker(const TranslationTexts& texts) : m_texts(texts) {}

    // True when `text` is one of the French texts, so its room is worth checking.
    bool french(const QWidget* widget, const QString& text)
    {
        if (text.isEmpty())
            return false;
        if (m_texts.sources.contains(text) && !m_texts.translations.contains(text)) {
            problems << QStringLiteral("%1 is still in English: \"%2\"").arg(where(widget), text);
            return false;
        }
        return m_texts.translations.contains(text);
    }

    void cutOff(const QWidget* widget, const QString& text, int needed, int room)
    {
        if (needed > room) {
            problems << QStringLiteral("%1 cuts off \"%2\": it needs %3 pixels, it has %4")
                            .arg(where(widget), text)
                            .arg(needed)
                            .arg(room);
        }
    }

    void label(const QLabel* label)
    {
        const QString text = label->text();
        if (!french(label, text))
            return;
        const QRect room = label->contentsRect();
        if (label->wordWrap()) {
            cutOff(label, text, label->heightForWidth(label->width()), label->height());
            return;
        }
        const QFontMetrics metrics = label->fontMetrics();
        cutOff(label, text, textWidth(metrics, text) + 2 * label->margin(), room.width());
        const int lines = int(text.count(QLatin1Char('\n'))) + 1;
        cutOff(label, text, lines * metrics.height(), room.height());
    }

    void button(const QAbstractButton* button)
    {
        const QString text = button->text();
        if (!french(button, text))
            return;
        // The style's own measure: the text, the icon or indicator, and the margins.
        cutOff(button, withoutAccelerator(text), button->sizeHint().width(), button->width());
    }

    void frame(const QGroupBox* box)
    {
        const QString title = box->title();
        if (!french(box, title))
            return;
        cutOff(box, title, box->fontMetrics().horizontalAdvance(withoutAccelerator(title)),
               box->width());
    }

    void grid(const widgets::Grid* grid)
    {
        for (int col = 0; col < grid->cols(); ++col) {
            const QString heading = grid->textAt(0, col);
            if (!french(grid, heading) || grid->isColumnHidden(col))
                continue;
            // A cell keeps a few pixels of padding on each side; a grid that
            // wraps its texts needs room for the longest word.
            const QFontMetrics metrics = grid->fontMetrics();
            int needed = textWidth(metrics, heading);
            if (grid->wordWrap()) {
                needed = 0;
                for (const QString& word : heading.split(QLatin1Char(' ')))
                    needed = std::max(needed, metrics.horizontalAdvance(word));
            }
            cutOff(grid, heading, needed + 6, grid->columnWidth(col));
        }
    }

    QStringList problems;

private:
    const TranslationTexts& m_texts;
};

} // namespace

const TranslationTexts& frenchTexts()
{
    static const TranslationTexts texts = readTexts();
    return texts;
}

QStringList frenchProblems(QWidget* screen)
{
    Checker check(frenchTexts());
    check.french(screen, screen->windowTitle());
    const QList<QWidget*> children = screen->findChildren<QWidget*>();
    for (QWidget* widget : children) {
        // Value labels show what the shop's files hold, in the shop's words.
        if (!widget->isVisibleTo(screen) || qobject_cast<widgets::ValueLabel*>(widget))
            continue;
        if (auto* label = qobject_cast<QLabel*>(widget))
            check.label(label);
        else if (auto* button = qobject_cast<QAbstractButton*>(widget))
            check.button(button);
        else if (auto* box = qobject_cast<QGroupBox*>(widget))
            check.frame(box);
        else if (auto* grid = qobject_cast<widgets::Grid*>(widget))
            check.grid(grid);
    }
    return check.problems;
}
