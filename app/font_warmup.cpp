#include "app/font_warmup.h"

#if AMP_HAVE_FONTCONFIG
#include <fontconfig/fontconfig.h>
#endif

namespace amp::app {

FontConfigurationWarmup::FontConfigurationWarmup() {
#if AMP_HAVE_FONTCONFIG
    // Fontconfig keeps one configuration for the process; Qt's font database then finds it read.
    reader_ = std::thread([] { FcInit(); });
#endif
}

FontConfigurationWarmup::~FontConfigurationWarmup() {
    if (reader_.joinable()) reader_.join();
}

}  // namespace amp::app
