#pragma once

#include <QIcon>
#include <QImage>
#include <thread>
#include <vector>

namespace amp::app {

// What the first window needs that needs no window system, prepared on another core while Qt
// connects to it: the system's font configuration, which its captions need and which otherwise
// delays the first paint by several milliseconds, and the images of the window icon.
class StartupPreparation {
  public:
    StartupPreparation();
    ~StartupPreparation();
    StartupPreparation(const StartupPreparation&) = delete;
    StartupPreparation& operator=(const StartupPreparation&) = delete;

    // The window icon, once the images are read; on the thread of the windows.
    QIcon WindowIcon();

  private:
    std::vector<QImage> iconImages_;
    std::thread preparer_;
};

}  // namespace amp::app
