#include "platform/fontlistreader.h"

#include <QFontDatabase>
#include <QStringList>

#if VESTORIA_HAVE_FONTCONFIG
#include <fontconfig/fontconfig.h>
#endif

namespace {
void readFontConfiguration()
{
#if VESTORIA_HAVE_FONTCONFIG
    // The toolkit reads its font list through the same library and then finds the configuration
    // loaded: the library keeps one for the whole process.
    FcInit();
#endif
}
} // namespace

FontListReader::FontListReader()
    : m_thread([this](const std::stop_token& stop) {
          readFontConfiguration();
          std::unique_lock lock(m_mutex);
          if (!m_madeChanged.wait(lock, stop, [this] { return m_applicationMade; }))
              return;
          lock.unlock();
          QFontDatabase::families();
      })
{}

FontListReader::~FontListReader() = default;

void FontListReader::applicationMade()
{
    {
        const std::lock_guard lock(m_mutex);
        m_applicationMade = true;
    }
    m_madeChanged.notify_one();
}
