#include "app/startup_preparation.h"

#include "ui/icon.h"

#if AMP_HAVE_FONTCONFIG
#include <fontconfig/fontconfig.h>
#endif

namespace amp::app {

StartupPreparation::StartupPreparation()
    : preparer_([this] {
#if AMP_HAVE_FONTCONFIG
          // Fontconfig keeps one configuration for the process; Qt's font database finds it read.
          FcInit();
#endif
          iconImages_ = ui::AmplifierIconImages();
      }) {}

StartupPreparation::~StartupPreparation() {
    if (preparer_.joinable()) preparer_.join();
}

QIcon StartupPreparation::WindowIcon() {
    if (preparer_.joinable()) preparer_.join();
    return ui::AmplifierIcon(iconImages_);
}

}  // namespace amp::app
