#include "core/serial/block_layout.h"

#include "core/model/store_texts.h"
#include "core/serial/command_layout.h"
#include "core/serial/devicenet_layout.h"
#include "core/serial/option_layouts.h"
#include "core/serial/subnet_layout.h"

#include <algorithm>
#include <vector>

namespace brenmoor {

namespace {

// The fields sent under the flags, each byte named once: the first field
// given for a byte is the one it is shown as.
class LayoutView {
  public:
    template <typename Record>
    LayoutView& add(std::span<const Field<Record>> fields, const DeviceSettings& device = {}) {
        for (const Field<Record>& f : fields)
            if (f.travel != Travel::ReadOnly && f.bytes.size > 0 && holds(f.under, device) &&
                !taken(f.bytes))
                fields_.push_back(f.bytes);
        return *this;
    }

    std::vector<ByteField> inByteOrder() const {
        std::vector<ByteField> out = fields_;
        std::stable_sort(out.begin(), out.end(),
                         [](const ByteField& a, const ByteField& b) { return a.first < b.first; });
        return out;
    }

  private:
    bool taken(const ByteField& f) const {
        return std::any_of(fields_.begin(), fields_.end(), [&](const ByteField& g) {
            return f.first < g.first + g.size && g.first < f.first + f.size;
        });
    }

    std::vector<ByteField> fields_;
};

// The layout a block has when one device flag is on or off.
template <typename Record>
std::vector<ByteField> flaggedView(std::span<const Field<Record>> fields,
                                   bool DeviceSettings::*flag, bool on) {
    DeviceSettings device;
    device.*flag = on;
    return LayoutView().add(fields, device).inByteOrder();
}

// Every group's fields, the mode's own first so that its byte 13 names it.
std::vector<ByteField> subnetView(std::string_view primaryMode) {
    LayoutView view;
    view.add(std::span<const Field<CONFIG>>(&protocolField(), 1));
    const SubnetGroup* primary = groupOfMode(primaryMode);
    view.add(primary->fields);
    for (const SubnetGroup& g : subnetGroups())
        view.add(g.fields);
    view.add(sharedSubnetFields());
    return view.inByteOrder();
}

} // namespace

std::span<const ByteField> deviceNetLayout() {
    static const std::vector<ByteField> view = LayoutView().add(deviceNetFields()).inByteOrder();
    return view;
}

std::span<const ByteField> subnetLayout(bool commonMode) {
    static const std::vector<ByteField> common = subnetView(text::CommonMode);
    static const std::vector<ByteField> other = subnetView(text::ModbusMaster);
    return commonMode ? common : other;
}

std::span<const ByteField> commandLayout(bool dataFilter) {
    static const std::vector<ByteField> filter =
        flaggedView(commandFields(), &DeviceSettings::dataFilter, true);
    static const std::vector<ByteField> swap =
        flaggedView(commandFields(), &DeviceSettings::dataFilter, false);
    return dataFilter ? filter : swap;
}

std::span<const ByteField> clearingOptionLayout(bool doubleFault) {
    static const std::vector<ByteField> fault =
        flaggedView(clearingOptionFields(), &DeviceSettings::doubleFault, true);
    static const std::vector<ByteField> timeout =
        flaggedView(clearingOptionFields(), &DeviceSettings::doubleFault, false);
    return doubleFault ? fault : timeout;
}

std::span<const ByteField> profibusConfigLayout() {
    static const std::vector<ByteField> view =
        LayoutView().add(profibusConfigFields()).inByteOrder();
    return view;
}

const ByteField* fieldOf(std::span<const ByteField> layout, MessageId label) {
    for (const ByteField& f : layout)
        if (f.label == label)
            return &f;
    return nullptr;
}

std::span<const uint8_t> fieldBytes(std::span<const ByteField> layout, MessageId label,
                                    std::span<const uint8_t> block) {
    if (const ByteField* f = fieldOf(layout, label))
        return block.subspan(f->first, f->size);
    return {};
}

} // namespace brenmoor
