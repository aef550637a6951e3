#pragma once

// An ini file held in memory: sections and keys keep their file order, names are found ignoring
// case, and the first of two equal names wins.

#include <QByteArray>
#include <QList>
#include <QPair>
#include <QString>
#include <QStringList>

class MemoryIniFile {
public:
    MemoryIniFile() = default;
    explicit MemoryIniFile(const QString& text);

    // Reads the whole file; throws AppError when it cannot be read.
    static MemoryIniFile fromFile(const QString& path);

    QStringList sections() const;
    bool sectionExists(const QString& section) const;
    // Keys of the first section of that name, in file order.
    QStringList keys(const QString& section) const;
    bool valueExists(const QString& section, const QString& key) const;
    QString readString(const QString& section, const QString& key, const QString& fallback) const;
    // The value as a decimal integer; `fallback` when missing or not a number.
    int readInteger(const QString& section, const QString& key, int fallback) const;
    double readFloat(const QString& section, const QString& key, double fallback) const;

    struct Section {
        QString name;
        QList<QPair<QString, QString>> values;
    };
    const QList<Section>& allSections() const { return m_sections; }

private:
    const Section* find(const QString& section) const;
    const QString* value(const QString& section, const QString& key) const;

    QList<Section> m_sections;
};
