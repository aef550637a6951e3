#pragma once

#include "catalogue.h"
#include "questionbank.h"

#include <QString>
#include <vector>

// Creates the course database afresh at path: the tables from schemaSql, then the catalogue's
// rows and the question bank. testing and result stay empty.
void writeCourseDatabase(const QString& path, const QString& schemaSql, const Catalogue& catalogue,
                         const std::vector<Question>& questions);
