#pragma once

#include <condition_variable>
#include <mutex>
#include <thread>

// Reads the desktop's font list on a second thread while the program starts. The first text the
// program measures needs that list, and reading it takes longer than building the start window:
// fontconfig parses every configuration file of the desktop. That part needs no toolkit and starts
// the moment the reader is made, which may be before the application object exists; the toolkit's
// own list is read once `applicationMade` says that it may. The GUI thread goes on meanwhile, and
// the first text it measures simply waits for the toolkit's font database, which serialises every
// use behind its own lock.
class FontListReader {
public:
    FontListReader();
    // Waits for the thread. A reader never told that the application exists ends after the font
    // configuration; one that was told must go before the application object does.
    ~FontListReader();
    FontListReader(const FontListReader&) = delete;
    FontListReader& operator=(const FontListReader&) = delete;

    // From the GUI thread, once the QApplication has been made.
    void applicationMade();

private:
    std::mutex m_mutex;
    std::condition_variable_any m_madeChanged;
    bool m_applicationMade = false;
    // Last, so that it starts with the members above in place and ends before they go.
    std::jthread m_thread;
};
