#include "presentation/main_view.h"

#include "presentation/duty_texts.h"
#include "presentation/overload_texts.h"
#include "presentation/service_texts.h"
#include "presentation/settings_listing.h"

namespace valta9 {

std::array<std::string, 3> statusPanels(const LoadedImage& image) {
    std::string version;
    if (image.loaded) {
        version = image.btpVersion ? "Версия БТП: " + std::to_string(*image.btpVersion)
                                   : kBtpVersionUnknown;
    }
    return {"", image.path, version};
}

MainView buildMainView(const LoadedImage& image, std::string_view point) {
    MainView view;
    view.views.append(operatorTexts(image.operatorInfo));
    view.views.append(serviceTexts(image.service, point));
    view.views.append(dutyTexts(image.duty, point));
    view.views.append(overloadPageTexts(image.overloads, image.totals, point));
    view.status = statusPanels(image);
    view.settings = settingsListing(image.settings, point);
    return view;
}

} // namespace valta9
