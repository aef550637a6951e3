#pragma once

#include <QString>
#include <QStringList>
#include <map>
#include <vector>

// The rows of the course tables, in stored order, as the catalogue source lists them.
class Catalogue {
public:
    static Catalogue parse(const QString& text);

    // Each row has exactly as many fields as the table's section declares (see the .cpp).
    const std::vector<QStringList>& rows(const QString& table) const;

private:
    std::map<QString, std::vector<QStringList>> tables_;
};
