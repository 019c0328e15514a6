#pragma once
// Readable failure output for the plain string types the commands use.

#include <QMetaType>
#include <QString>
#include <QTest>
#include <string>
#include <vector>

Q_DECLARE_METATYPE(std::string)
Q_DECLARE_METATYPE(std::vector<std::string>)

namespace QTest {

template <>
inline char* toString(const std::string& s)
{
    return QTest::toString(QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())));
}

template <>
inline char* toString(const std::vector<std::string>& lines)
{
    QString text = QStringLiteral("{");
    for (size_t i = 0; i < lines.size(); ++i) {
        if (i) text += QStringLiteral(", ");
        text += QLatin1Char('"') + QString::fromUtf8(lines[i].data(), static_cast<qsizetype>(lines[i].size())) +
                QLatin1Char('"');
    }
    text += QLatin1Char('}');
    return qstrdup(text.toUtf8().constData());
}

}  // namespace QTest
