// Ini text as a skin's Options.dat holds it: every section, key and value read back in every way.

#include "fuzz/fuzzsupport.h"

#include "skin/core/memoryinifile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const MemoryIniFile ini(QString::fromUtf8(fuzzBytes(data, size)));
    for (const QString& section : ini.sections()) {
        ini.sectionExists(section);
        for (const QString& key : ini.keys(section)) {
            ini.valueExists(section, key);
            ini.readString(section, key, QString());
            ini.readInteger(section, key, 0);
            ini.readFloat(section, key, 0);
        }
    }
    return 0;
}
