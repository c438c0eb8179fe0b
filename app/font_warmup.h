#pragma once

#include <thread>

namespace amp::app {

// Reads the system's font configuration on another core while Qt connects to the window system.
// The first window needs it for its captions, and reading it otherwise delays the first paint by
// several milliseconds. Where Qt takes its fonts from elsewhere, it does nothing.
class FontConfigurationWarmup {
  public:
    FontConfigurationWarmup();
    ~FontConfigurationWarmup();
    FontConfigurationWarmup(const FontConfigurationWarmup&) = delete;
    FontConfigurationWarmup& operator=(const FontConfigurationWarmup&) = delete;

  private:
    std::thread reader_;
};

}  // namespace amp::app
