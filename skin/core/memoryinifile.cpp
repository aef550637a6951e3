#include "skin/core/memoryinifile.h"

#include "platform/apperror.h"

#include <QFile>

MemoryIniFile::MemoryIniFile(const QString& text)
{
    const QStringList lines = text.split(QLatin1Char('\n'));
    for (const QString& raw : lines) {
        const QString line = raw.trimmed();
        if (line.isEmpty() || line.startsWith(QLatin1Char(';')))
            continue;
        if (line.startsWith(QLatin1Char('[')) && line.endsWith(QLatin1Char(']'))) {
            m_sections.append({line.mid(1, line.size() - 2).trimmed(), {}});
            continue;
        }
        // Entries before the first header belong to no section and are dropped.
        if (m_sections.isEmpty())
            continue;
        const qsizetype equals = line.indexOf(QLatin1Char('='));
        if (equals < 0)
            m_sections.last().values.append({line, QString()});
        else
            m_sections.last().values.append({line.left(equals).trimmed(), line.mid(equals + 1).trimmed()});
    }
}

MemoryIniFile MemoryIniFile::fromFile(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw AppError(QStringLiteral("Cannot open file \"%1\". %2").arg(path, file.errorString()));
    return MemoryIniFile(QString::fromUtf8(file.readAll()));
}

const MemoryIniFile::Section* MemoryIniFile::find(const QString& section) const
{
    for (const Section& s : m_sections) {
        if (s.name.compare(section, Qt::CaseInsensitive) == 0)
            return &s;
    }
    return nullptr;
}

const QString* MemoryIniFile::value(const QString& section, const QString& key) const
{
    const Section* s = find(section);
    if (!s)
        return nullptr;
    for (const auto& entry : s->values) {
        if (entry.first.compare(key, Qt::CaseInsensitive) == 0)
            return &entry.second;
    }
    return nullptr;
}

QStringList MemoryIniFile::sections() const
{
    QStringList names;
    names.reserve(m_sections.size());
    for (const Section& s : m_sections)
        names.append(s.name);
    return names;
}

bool MemoryIniFile::sectionExists(const QString& section) const
{
    return find(section) != nullptr;
}

QStringList MemoryIniFile::keys(const QString& section) const
{
    QStringList names;
    if (const Section* s = find(section)) {
        for (const auto& entry : s->values)
            names.append(entry.first);
    }
    return names;
}

bool MemoryIniFile::valueExists(const QString& section, const QString& key) const
{
    return value(section, key) != nullptr;
}

QString MemoryIniFile::readString(const QString& section, const QString& key, const QString& fallback) const
{
    const QString* v = value(section, key);
    return v ? *v : fallback;
}

int MemoryIniFile::readInteger(const QString& section, const QString& key, int fallback) const
{
    const QString* v = value(section, key);
    if (!v)
        return fallback;
    bool ok = false;
    const int result = v->toInt(&ok);
    return ok ? result : fallback;
}

double MemoryIniFile::readFloat(const QString& section, const QString& key, double fallback) const
{
    const QString* v = value(section, key);
    if (!v)
        return fallback;
    bool ok = false;
    const double result = v->toDouble(&ok);
    return ok ? result : fallback;
}
