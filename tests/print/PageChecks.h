#pragma once

#include "print/PageSurface.h"

#include <QString>
#include <QVector>
#include <cmath>

// Small readers over a recorded page, so tests speak of places on the paper.
namespace pagechecks {

inline bool near(double a, double b)
{
    return std::abs(a - b) < 1e-9;
}

// Stands for an operation that was not drawn.
inline print::PageOp missing()
{
    print::PageOp none;
    none.kind = print::PageOp::End;
    return none;
}

// Texts drawn at exactly (x, y) on a page.
inline QVector<print::PageOp> textsAt(const print::RecordingSurface& page, int pageNo, double x,
                                      double y)
{
    QVector<print::PageOp> found;
    for (const print::PageOp& op : page.texts(pageNo)) {
        if (near(op.x, x) && near(op.y, y))
            found << op;
    }
    return found;
}

// The one text that starts with `prefix` on a page, or an empty op (kind End).
inline print::PageOp textStarting(const print::RecordingSurface& page, int pageNo,
                                  const QString& prefix)
{
    for (const print::PageOp& op : page.texts(pageNo)) {
        if (op.text.startsWith(prefix))
            return op;
    }
    return missing();
}

inline bool hasLine(const print::RecordingSurface& page, int pageNo, double x1, double y1,
                    double x2, double y2)
{
    for (const print::PageOp& op : page.lines(pageNo)) {
        if (near(op.x, x1) && near(op.y, y1) && near(op.x2, x2) && near(op.y2, y2))
            return true;
    }
    return false;
}

// Two texts drawn at the same place on the same page print over each other.
inline int overprintedTexts(const print::RecordingSurface& page)
{
    int count = 0;
    const QVector<print::PageOp> texts = page.texts();
    for (int i = 0; i < texts.size(); ++i) {
        for (int j = i + 1; j < texts.size(); ++j) {
            if (texts[i].page == texts[j].page && near(texts[i].x, texts[j].x) &&
                near(texts[i].y, texts[j].y))
                ++count;
        }
    }
    return count;
}

} // namespace pagechecks
