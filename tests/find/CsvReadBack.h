#pragma once

// Reads a CSV file back with Python's csv module, as a spreadsheet import
// would: a real reader, not our own writer's idea of the format.
#include <QJsonArray>
#include <QJsonDocument>
#include <QProcess>
#include <QStandardPaths>
#include <QString>
#include <QStringList>
#include <QVector>

namespace csvreadback {

inline bool havePython()
{
    return !QStandardPaths::findExecutable(QStringLiteral("python3")).isEmpty();
}

// The records of the file, each a list of fields; empty when Python failed.
inline QVector<QStringList> readWithPython(const QString& path)
{
    QProcess python;
    python.start(QStringLiteral("python3"),
                 {QStringLiteral("-c"),
                  QStringLiteral("import csv, json, sys\n"
                                 "with open(sys.argv[1], newline='', encoding='utf-8-sig') as f:\n"
                                 "    print(json.dumps(list(csv.reader(f, strict=True))))\n"),
                  path});
    QVector<QStringList> records;
    if (!python.waitForFinished(30000) || python.exitCode() != 0)
        return records;
    const QJsonArray rows = QJsonDocument::fromJson(python.readAllStandardOutput()).array();
    for (const QJsonValue& row : rows) {
        QStringList fields;
        for (const QJsonValue& field : row.toArray())
            fields << field.toString();
        records << fields;
    }
    return records;
}

} // namespace csvreadback
