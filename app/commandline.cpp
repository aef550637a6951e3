#include "app/commandline.h"

std::optional<QString> commandLineAnswer(const QStringList& arguments, const QString& version)
{
    // The first of the two that appears decides, as a reader of the command line expects.
    for (const QString& argument : arguments.mid(1)) {
        if (argument == QStringLiteral("--version"))
            return QStringLiteral("vestoria %1\n").arg(version);
        if (argument == QStringLiteral("--help"))
            return QStringLiteral("Использование: vestoria [ПАРАМЕТР]\n"
                                  "Электронный учебник «Вестория».\n"
                                  "  --help     показать эту справку и выйти\n"
                                  "  --version  показать версию программы и выйти\n"
                                  "\n"
                                  "Usage: vestoria [OPTION]\n"
                                  "The electronic textbook Vestoria.\n"
                                  "  --help     show this help and exit\n"
                                  "  --version  show the program's version and exit\n");
    }
    return std::nullopt;
}
