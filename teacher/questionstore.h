#pragma once

#include "teacher/aikenquestions.h"

#include <vector>

class Connection;

// Appends the questions to the question bank "test" in one transaction, numbered on from the
// highest number there, so that the test draws them like the rest. Either all are stored or,
// when anything fails, none. Returns the number the first one got.
int appendQuestions(const Connection& connection, const std::vector<AikenQuestion>& questions);
