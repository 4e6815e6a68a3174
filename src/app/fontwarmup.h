#pragma once

#include <future>
#include <thread>

// Gets the fonts ready on a thread of its own while the program connects to the display and
// starts up. Reading fontconfig's configuration and font cache, and filling Qt's font database
// from it, is a third of everything the program does before its first window appears.
//
// Made before the application object, the thread reads the font configuration at once; once
// the application object exists and applicationReady() says so, it fills Qt's font database
// and chooses the stand-ins of missing families. Before it builds its first window, the GUI
// thread waits in configurationRead() for the thread to have read the configuration: a font
// asked for earlier would have fontconfig read it all a second time on the GUI thread, as
// it does when the machine is busy. Qt's font database guards itself, so the first window that
// needs a font then waits there for the thread, or fills the database itself from the
// configuration already read if it gets there first; either way nothing is read twice.
class FontWarmUp {
public:
    FontWarmUp();
    ~FontWarmUp();
    FontWarmUp(const FontWarmUp &) = delete;
    FontWarmUp &operator=(const FontWarmUp &) = delete;

    // The application object exists. Called once at the most; without it the thread only reads
    // the configuration.
    void applicationReady();
    // Waits until the thread has read the font configuration; at once when that is done, when
    // it was waited for before, or when there is no thread.
    void configurationRead();
    // Waits for the thread. Must come before the application object goes.
    void finish();

private:
    std::promise<bool> m_ready;
    std::future<void> m_configured;
    std::thread m_thread;
};
