#pragma once

#include <QFont>

// The bold serif face, 16 pixels high, of the testing windows' headings.
QFont headingFont();
