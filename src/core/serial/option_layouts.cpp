#include "core/serial/option_layouts.h"

#include "core/resources/messages_compare.h"
#include "core/serial/frame.h"

#include <array>

namespace brenmoor {

namespace {

constexpr std::array<Field<CONFIG>, 2> kClearingOption{{
    // Anything but "Close" clears the inputs.
    {{0, 1, msg::LabelDoubleFaultClear, Encoding::Switch, kSwitchStates, 1},
     at<&CONFIG::doubleFaultClear>,
     {},
     Travel::Both,
     Under::DoubleFault},
    {{0, 1, msg::LabelTimeoutCount, Encoding::CountOrKeep},
     at<&CONFIG::master, &MASTERPARAM::timeoutCount>,
     at<&CONFIG::master, &MASTERPARAM::timeoutAction>,
     Travel::Both,
     Under::NoDoubleFault},
}};
static_assert(apart(kClearingOption) && fitsIn(kClearingOption, 1));

constexpr std::array<Field<FIELDBUS>, 1> kProfibusConfig{{
    {{0, kProfibusConfigSize, msg::LabelProfibusConfigData, Encoding::CountedBytes,
      kProfibusConfigModes},
     at<&FIELDBUS::profibusConfigData>,
     at<&FIELDBUS::profibusConfigMode>},
}};
static_assert(fitsIn(kProfibusConfig, kProfibusConfigSize));

} // namespace

std::span<const Field<CONFIG>> clearingOptionFields() {
    return kClearingOption;
}

std::span<const Field<FIELDBUS>> profibusConfigFields() {
    return kProfibusConfig;
}

} // namespace brenmoor
