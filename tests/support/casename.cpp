#include "tests/support/casename.h"

#include <cctype>

std::string testNameOf(const std::string& text)
{
    std::string name;
    bool capital = true;
    for (const unsigned char c : text) {
        if (std::isalnum(c)) {
            name += char(capital ? std::toupper(c) : c);
            capital = false;
        } else {
            capital = true;
        }
    }
    return name.empty() ? std::string("Unnamed") : name;
}
