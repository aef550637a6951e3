#pragma once

#include <QRegularExpression>
#include <QString>
#include <QStringList>

// How the program matches what a reader searches for: letter case does not count, nor does "ё"
// against "е", and a Russian word is found in its other forms (телеграф, телеграфа, телеграфом)
// by its stem.
namespace searchwords {

// Lower case with "ё" read as "е": the form both the text and the query are compared in.
QString folded(const QString& text);

// The folded text as the course index stores it: every character that is no part of a word made
// a space and Latin letters without their accents, so that the index's tokenizer needs to know
// nothing but ASCII separators. What it returns for a text must stay the same from one version to
// the next, or a cache made by another version must be made afresh.
QString indexWords(const QString& text);

// The words of a query, folded, in order.
QStringList words(const QString& query);

// The part of a folded word its other forms share: a common Russian ending is left off when at
// least four letters remain.
QString stem(const QString& word);

// Finds the text as typed (a phrase), case-insensitive and "ё"/"е"-insensitive.
QRegularExpression phrasePattern(const QString& text);

// Finds any word that begins with the stem of any of the query's words.
QRegularExpression stemPattern(const QString& query);

} // namespace searchwords
