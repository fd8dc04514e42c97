#include "PdfTools.h"

#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <cmath>

namespace pdftools {

namespace {

QByteArray run(const QString& program, const QStringList& arguments, bool* ok)
{
    QProcess process;
    process.start(program, arguments);
    *ok = process.waitForFinished(30000) && process.exitStatus() == QProcess::NormalExit &&
          process.exitCode() == 0;
    return process.readAllStandardOutput();
}

QString unescape(const QString& html)
{
    QString text = html;
    text.replace(QStringLiteral("&lt;"), QStringLiteral("<"));
    text.replace(QStringLiteral("&gt;"), QStringLiteral(">"));
    text.replace(QStringLiteral("&quot;"), QStringLiteral("\""));
    text.replace(QStringLiteral("&#39;"), QStringLiteral("'"));
    text.replace(QStringLiteral("&amp;"), QStringLiteral("&"));
    return text;
}

} // namespace

QString missingTools()
{
    for (const char* tool : {"pdftotext", "pdftoppm"}) {
        if (QStandardPaths::findExecutable(QString::fromLatin1(tool)).isEmpty())
            return QStringLiteral("%1 is not installed (poppler-utils, scripts/install-deps)")
                .arg(QString::fromLatin1(tool));
    }
    return QString();
}

Document read(const QString& pdfPath)
{
    Document document;
    bool ok = false;
    const QString html = QString::fromUtf8(run(
        QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), pdfPath, QStringLiteral("-")}, &ok));
    if (!ok)
        return document;
    static const QRegularExpression pageTag(
        QStringLiteral("<page width=\"([0-9.]+)\" height=\"([0-9.]+)\">"));
    static const QRegularExpression wordTag(
        QStringLiteral("<word xMin=\"([0-9.-]+)\" yMin=\"([0-9.-]+)\" xMax=\"[0-9.-]+\" "
                       "yMax=\"[0-9.-]+\">(.*?)</word>"));
    for (const QString& line : html.split(QLatin1Char('\n'))) {
        const QRegularExpressionMatch page = pageTag.match(line);
        if (page.hasMatch()) {
            ++document.pages;
            document.pageWidth = page.captured(1).toDouble() / 72.0;
            document.pageHeight = page.captured(2).toDouble() / 72.0;
            continue;
        }
        const QRegularExpressionMatch word = wordTag.match(line);
        if (word.hasMatch()) {
            document.words << Word{document.pages, word.captured(1).toDouble() / 72.0,
                                   word.captured(2).toDouble() / 72.0, unescape(word.captured(3))};
        }
    }
    return document;
}

QString Document::pageText(int page) const
{
    QStringList texts;
    for (const Word& word : words) {
        if (word.page == page)
            texts << word.text;
    }
    return texts.join(QLatin1Char(' '));
}

const Word* Document::wordNear(int page, const QString& text, double x, double y,
                               double tolerance) const
{
    for (const Word& word : words) {
        if (word.page == page && word.text == text && std::abs(word.x - x) <= tolerance &&
            std::abs(word.y - y) <= tolerance)
            return &word;
    }
    return nullptr;
}

int Document::count(const QString& text, int page) const
{
    int found = 0;
    for (const Word& word : words)
        found += word.text == text && (page == 0 || word.page == page);
    return found;
}

bool renderFirstPage(const QString& pdfPath, const QString& pngPath, int dotsPerInch)
{
    QString stem = pngPath;
    if (stem.endsWith(QStringLiteral(".png")))
        stem.chop(4);
    bool ok = false;
    run(QStringLiteral("pdftoppm"),
        {QStringLiteral("-png"), QStringLiteral("-r"), QString::number(dotsPerInch),
         QStringLiteral("-f"), QStringLiteral("1"), QStringLiteral("-l"), QStringLiteral("1"),
         QStringLiteral("-singlefile"), pdfPath, stem},
        &ok);
    return ok && QFile::exists(stem + QStringLiteral(".png"));
}

bool renderPage(const QString& pdfPath, int page, const QString& pngPath, int dotsPerInch)
{
    QString stem = pngPath;
    if (stem.endsWith(QStringLiteral(".png")))
        stem.chop(4);
    bool ok = false;
    run(QStringLiteral("pdftoppm"),
        {QStringLiteral("-png"), QStringLiteral("-r"), QString::number(dotsPerInch),
         QStringLiteral("-f"), QString::number(page), QStringLiteral("-l"), QString::number(page),
         QStringLiteral("-singlefile"), pdfPath, stem},
        &ok);
    return ok && QFile::exists(stem + QStringLiteral(".png"));
}

} // namespace pdftools
