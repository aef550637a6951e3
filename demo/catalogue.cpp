#include "catalogue.h"

#include <stdexcept>

namespace {

// Fields per row of each section.
const std::map<QString, int>& fieldCounts()
{
    static const std::map<QString, int> counts = {
        {QStringLiteral("rasdel"), 1}, {QStringLiteral("Lekcia"), 2}, {QStringLiteral("Present"), 2},
        {QStringLiteral("media"), 4},  {QStringLiteral("foto"), 5},
    };
    return counts;
}

[[noreturn]] void fail(int line, const QString& what)
{
    throw std::runtime_error(("catalogue, line " + QString::number(line) + ": " + what).toStdString());
}

} // namespace

Catalogue Catalogue::parse(const QString& text)
{
    Catalogue catalogue;
    QString table;
    const QStringList lines = text.split(u'\n');
    for (int i = 0; i < lines.size(); ++i) {
        const QString line = lines[i].trimmed();
        if (line.isEmpty() || line.startsWith(u'#'))
            continue;
        if (line.startsWith(u'[') && line.endsWith(u']')) {
            table = line.mid(1, line.size() - 2);
            if (!fieldCounts().contains(table))
                fail(i + 1, QStringLiteral("unknown table ") + table);
            catalogue.tables_[table];
            continue;
        }
        if (table.isEmpty())
            fail(i + 1, QStringLiteral("a row before the first [table]"));
        QStringList fields = line.split(u'|');
        for (QString& field : fields)
            field = field.trimmed();
        if (fields.size() != fieldCounts().at(table))
            fail(i + 1, QStringLiteral("expected %1 fields").arg(fieldCounts().at(table)));
        catalogue.tables_[table].push_back(fields);
    }
    for (const auto& [name, count] : fieldCounts()) {
        if (!catalogue.tables_.contains(name))
            throw std::runtime_error(("catalogue: no [" + name + "] section").toStdString());
    }
    return catalogue;
}

const std::vector<QStringList>& Catalogue::rows(const QString& table) const
{
    const auto found = tables_.find(table);
    if (found == tables_.end())
        throw std::logic_error(("catalogue has no table " + table).toStdString());
    return found->second;
}
